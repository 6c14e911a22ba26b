#include "platform/files/SafeFileWriter.h"

namespace {
WriteResult Outcome(const std::string& path, IoResult result = {})
{
    return {std::move(result), path};
}
} // namespace

void StagedFile::Discard()
{
    m_File.Discard();
    m_Bytes.clear();
    m_Mode = Mode::Nothing;
}

WriteResult StagedFile::Stage(const std::string& path, const std::string& bytes, WriteRule rule)
{
    Discard();
    m_Reported = path;
    const IoResult opened = m_File.Open(path, rule);
    if (!opened.ok())
        return Outcome(path, opened);
    if (!m_File.Replaces()) {
        m_Bytes = bytes;
        m_Mode = Mode::WriteThrough;
        return Outcome(path);
    }
    const IoResult staged = m_File.Stage(bytes);
    if (staged.ok())
        m_Mode = Mode::Replace;
    return Outcome(path, staged);
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
    IoResult result;
    switch (m_Mode) {
    case Mode::Nothing:
        result = IoRefusal(IoStatus::Failed, "nothing staged");
        break;
    case Mode::Replace:
        result = m_File.Commit();
        break;
    case Mode::WriteThrough:
        result = m_File.WriteThrough(m_Bytes);
        break;
    case Mode::StandardOutput:
        result = WriteStandardOutput(m_Bytes);
        break;
    }
    Discard();
    return Outcome(m_Reported, result);
}

WriteResult WriteFileSafely(const std::string& path, const std::string& bytes, WriteRule rule)
{
    StagedFile file;
    const WriteResult staged = file.Stage(path, bytes, rule);
    if (!staged.ok())
        return staged;
    return file.Commit();
}

IoResult AppendToFile(const std::string& path, const std::string& bytes)
{
    OutputFile file;
    const IoResult opened = file.Open(path, WriteRule::RegularOnly);
    if (!opened.ok())
        return opened;
    return file.Append(bytes);
}
