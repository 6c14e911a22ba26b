#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

// Runs shell commands against a small disk that is full: a tmpfs mounted in a
// mount namespace of their own, so that the mount never outlives them.
// `setup` runs first (writing the files that must survive), then the disk is
// filled to the last byte, then `commands` run; afterwards what the disk
// holds is copied into the folder `keep`, where the test reads it. The
// commands' exit status, or nothing where the system lets no test mount a
// disk (then `why` says so, for the test to print as it skips).
inline std::optional<int> RunOnFullDisk(const std::string& folder, const std::string& setup,
                                        const std::string& commands, const std::string& keep,
                                        std::string& why)
{
    const std::string disk = folder + "/disk", script = folder + "/full-disk.sh", err = folder + "/mount.err";
    std::ofstream(script) << "set -e\n"
                          << "mkdir -p '" << disk << "' '" << keep << "'\n"
                          << "DISK='" << disk << "'\n"
                          << "mount -t tmpfs -o size=256k kav-full \"$DISK\" 2>'" << err << "' || exit 99\n"
                          << setup << "\n"
                          << "dd if=/dev/zero of=\"$DISK/.filler\" bs=1k 2>/dev/null || true\n"
                          << "set +e\n"
                          << "( " << commands << " )\n"
                          << "status=$?\n"
                          << "rm -f \"$DISK/.filler\"\n"
                          << "cp -a \"$DISK/.\" '" << keep << "/'\n"
                          << "exit $status\n";
    const int raw =
        std::system(("unshare -m --propagation private sh '" + script + "' 2>>'" + err + "'").c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream reasons(err);
    std::getline(reasons, why);
    std::remove(err.c_str());
    std::remove(script.c_str());
    if (status == 99 || (status != 0 && !why.empty() && why.find("unshare") != std::string::npos)) {
        why = "no disk can be mounted here: " + why;
        return std::nullopt;
    }
    return status;
}
