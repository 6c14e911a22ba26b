#include "tests/support/PrivateServer.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
constexpr const char* SuperPassword = "kav-super-8311";

// For the shell: the text in single quotes, a quote in it as '\\''.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

const passwd* ServerUser()
{
    return geteuid() == 0 ? getpwnam("nobody") : nullptr;
}
} // namespace

PrivateServer::PrivateServer(std::string bindir) : m_Bindir(std::move(bindir)) {}

PrivateServer::~PrivateServer()
{
    Stop();
    if (!m_Folder.empty())
        std::filesystem::remove_all(m_Folder);
}

bool PrivateServer::Run(const std::string& command, bool asServer)
{
    const std::string prefix = asServer && ServerUser() != nullptr ? "runuser -u nobody -- " : "";
    const std::string line = prefix + command + " >>" + Quoted(m_Folder + "/log") + " 2>&1";
    if (std::system(line.c_str()) == 0)
        return true;
    std::ifstream log(m_Folder + "/log");
    m_Problem = command + " failed: " + std::string(std::istreambuf_iterator<char>(log), {});
    return false;
}

bool PrivateServer::Start()
{
    if (!m_Made) {
        char folder[] = "/tmp/kav-pg-XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            m_Problem = "no temporary folder";
            return false;
        }
        m_Folder = folder;
        std::ofstream(m_Folder + "/superuser") << SuperPassword << '\n';
        std::ofstream(m_Folder + "/pgpass") << "*:*:*:" << SuperUser << ':' << SuperPassword << '\n';
        chmod((m_Folder + "/pgpass").c_str(), 0600);
        setenv("PGPASSFILE", (m_Folder + "/pgpass").c_str(), 1);
        if (const passwd* user = ServerUser()) {
            if (chown(m_Folder.c_str(), user->pw_uid, user->pw_gid) != 0 ||
                chown((m_Folder + "/superuser").c_str(), user->pw_uid, user->pw_gid) != 0) {
                m_Problem = "the temporary folder cannot be given to nobody";
                return false;
            }
        }
        if (!Run(m_Bindir + "/initdb -D " + Quoted(m_Folder + "/data") + " -U " + SuperUser +
                     " -A scram-sha-256 --pwfile=" + Quoted(m_Folder + "/superuser") +
                     " -E UTF8 --no-sync --no-instructions",
                 true))
            return false;
    }
    // No fsync: a test's server need not outlive a power cut.
    if (!Run(m_Bindir + "/pg_ctl -D " + Quoted(m_Folder + "/data") + " -l " +
                 Quoted(m_Folder + "/server.log") + " -o \"-k " + m_Folder +
                 " -c listen_addresses='' -c fsync=off\" -w start",
             true))
        return false;
    m_Running = true;
    if (!m_Made && !Run(m_Bindir + "/createdb -h " + Quoted(m_Folder) + " -U " + SuperUser + " kav", false))
        return false;
    m_Made = true;
    return true;
}

void PrivateServer::Stop()
{
    if (m_Running)
        Run(m_Bindir + "/pg_ctl -D " + Quoted(m_Folder + "/data") + " -m fast -w stop", true);
    m_Running = false;
}

std::string PrivateServer::Conninfo(const std::string& role, const std::string& extra) const
{
    return "host=" + m_Folder + " dbname=kav user=" + role + (extra.empty() ? "" : " " + extra);
}

bool PrivateServer::AddRole(const std::string& role, const std::string& password, const std::string& group)
{
    std::ofstream(m_Folder + "/pgpass", std::ios::app) << "*:*:*:" << role << ':' << password << '\n';
    return Sql("CREATE ROLE " + role + " LOGIN PASSWORD '" + password + "' IN ROLE " + group);
}

bool PrivateServer::Sql(const std::string& sql)
{
    return Run(m_Bindir + "/psql -X -q -v ON_ERROR_STOP=1 -d " + Quoted(Conninfo(SuperUser)) + " -c " +
                   Quoted(sql),
               false);
}
