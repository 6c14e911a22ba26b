#include "platform/files/SafeFileWriter.h"

#include <filesystem>
#include <random>

namespace {
// Fresh names to try before giving up: only a folder crowded with files of
// this pattern, or someone planting them as fast as they are drawn, takes
// them all.
constexpr int TemporaryNameTries = 16;

WriteResult Outcome(const std::string& path, IoResult result = {})
{
    return {std::move(result), path};
}

// A hidden name in the target's folder, so that the rename stays on one disk,
// drawn at random so that nobody can plant a file or link under it ahead of
// time.
std::string TemporaryNameBeside(const std::string& target)
{
    static std::mt19937_64 generator{std::random_device{}()};
    const std::filesystem::path path = std::filesystem::u8path(target);
    const std::string name = ".kav-" + std::to_string(generator()) + ".tmp";
    return (path.parent_path() / std::filesystem::u8path(name)).u8string();
}
} // namespace

StagedFile::~StagedFile()
{
    Discard();
}

void StagedFile::Discard()
{
    if (!m_Temporary.empty())
        RemoveFile(m_Temporary);
    m_Temporary.clear();
    m_Bytes.clear();
    m_Mode = Mode::Nothing;
}

WriteResult StagedFile::Stage(const std::string& path, const std::string& bytes)
{
    Discard();
    const PathTarget target = ExaminePath(path);
    if (!target.problem.ok())
        return Outcome(path, target.problem);
    if (target.type != PathTarget::Type::Missing) {
        const IoResult writable = CheckWritable(target);
        if (!writable.ok())
            return Outcome(path, writable);
    }
    m_Target = target.file;
    m_Reported = path;
    if (target.type != PathTarget::Type::Missing && target.type != PathTarget::Type::Regular) {
        m_Bytes = bytes;
        m_Mode = Mode::InPlace;
        return Outcome(path);
    }

    IoResult created;
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        const std::string temporary = TemporaryNameBeside(target.file);
        // A replaced file keeps its permissions, as it would when overwritten.
        created = CreateFileExclusively(temporary, bytes,
                                        target.type == PathTarget::Type::Regular ? target.file : "");
        if (created.ok()) {
            m_Temporary = temporary;
            m_Mode = Mode::Replace;
            return Outcome(path);
        }
        if (created.status != IoStatus::NameTaken)
            break;
    }
    return Outcome(path, created);
}

WriteResult StagedFile::StageStandardOutput(const std::string& name, const std::string& bytes)
{
    Discard();
    m_Reported = name;
    m_Bytes = bytes;
    m_Mode = Mode::StandardOutput;
    return Outcome(name);
}

WriteResult StagedFile::Commit()
{
    const Mode mode = m_Mode;
    m_Mode = Mode::Nothing;
    IoResult result;
    switch (mode) {
    case Mode::Nothing:
        return Outcome(m_Reported, IoRefusal(IoStatus::Failed, "nothing staged"));
    case Mode::Replace:
        result = MoveIntoPlace(m_Temporary, m_Target);
        break;
    case Mode::InPlace:
        result = WriteInPlace(m_Target, m_Bytes);
        break;
    case Mode::StandardOutput:
        result = WriteStandardOutput(m_Bytes);
        break;
    }
    // A failed rename leaves the temporary file behind; a successful one has
    // moved it, and the old target is gone with its old name.
    if (mode != Mode::Replace || result.ok())
        m_Temporary.clear();
    Discard();
    return Outcome(m_Reported, result);
}

WriteResult WriteFileSafely(const std::string& path, const std::string& bytes)
{
    StagedFile file;
    const WriteResult staged = file.Stage(path, bytes);
    if (!staged.ok())
        return staged;
    return file.Commit();
}
