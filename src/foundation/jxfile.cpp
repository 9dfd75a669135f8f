#include "foundation/jxfile.h"

#include "platform/codepage.h"
#include "platform/exceptions.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "platform/sysutils.h"

#include <QSaveFile>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's bytes; raises EFileError when it cannot be opened or read (a folder
// opens but cannot be read).
std::string ReadBytes(const std::string& path)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw EFileError("Cannot open file \"" + path + "\"");
    std::string bytes;
    char buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, read);
    if (std::ferror(file.get()))
        throw EFileError("Cannot read file \"" + path + "\"");
    return bytes;
}

void AppendLine(std::ofstream& out, const std::string& bytes)
{
    out << bytes << "\r\n";
}

}  // namespace

JXStr GetAppPath()
{
    return JXStr(ProgramFolder());
}

void SaveLog(JXStr folder, JXStr text)
{
    const std::string path = (folder + "log.txt").GetAnsi();
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (out.is_open()) {
        AppendLine(out, Utf8ToCp1251(FormatDateTime("dd.mm.yyyy hh:mm:ss", Now()) + " " + text.GetAnsi()));
        out.close();
    }
    if (!out.good())
        MessageBox("Access denied!", "Error Save Log", MB_OK);
}

void JXFile::LoadFromFile(JXStr path)
{
    const std::string bytes = ReadBytes(path.GetAnsi());
    lines_.clear();
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines_.emplace_back(bytes.substr(start));
            break;
        }
        lines_.emplace_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

void JXFile::Add(JXStr line)
{
    lines_.push_back(std::move(line));
}

int JXFile::Count() const
{
    return static_cast<int>(lines_.size());
}

JXStr JXFile::GetLine(int i) const
{
    return lines_.at(static_cast<size_t>(i));
}

void JXFile::Clear()
{
    lines_.clear();
}

void JXFile::SaveToFile(JXStr path) const
{
    std::string bytes;
    for (const JXStr& line : lines_)
        bytes += line.GetAnsi() + "\r\n";
    QSaveFile file(QString::fromStdString(path.GetAnsi()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                                    static_cast<qint64>(bytes.size()) || !file.commit())
        throw EFileError("Cannot write file \"" + path.GetAnsi() + "\": " + file.errorString().toStdString());
}

JXStr LoadTextFile(JXStr path)
{
    try {
        JXFile file;
        file.LoadFromFile(path);
        AnsiString text;
        for (int i = 0; i < file.Count(); ++i)
            text += file.GetLine(i).GetAnsi();
        return JXStr(text);
    } catch (const std::exception&) {
        return JXStr();
    }
}
