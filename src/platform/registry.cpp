#include "platform/registry.h"

#include "platform/exceptions.h"
#include "platform/sysutils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// The three failures keep the wording the program's users know from Windows.
const char* const kGetFailed = "Failed to get data for '";
const char* const kSetFailed = "Failed to set data for '";
const char* const kInvalidType = "Invalid data type for '";

ERegistryException RegistryError(const char* failure, const AnsiString& name)
{
    return ERegistryException(failure + name + "'");
}

std::string ConfigFolder()
{
    // The XDG rules ignore a relative (or empty) value.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    return QDir::homePath().toStdString() + "/.config";
}

// "\SOFTWARE\Maker\Product" gives {"Maker", "Product"}; an empty list when the key
// is not below SOFTWARE or a part could leave the settings folder.
std::vector<std::string> PartsBelowSoftware(const AnsiString& key)
{
    std::vector<std::string> parts;
    std::istringstream stream(key.size() > 0 && key[0] == '\\' ? key.substr(1) : key);
    for (std::string part; std::getline(stream, part, '\\');)
        parts.push_back(part);
    if (parts.size() < 2 || QString::fromStdString(parts[0]).compare("SOFTWARE", Qt::CaseInsensitive) != 0)
        return {};
    parts.erase(parts.begin());
    for (const std::string& part : parts)
        if (part.empty() || part == "." || part == ".." || part.find('/') != std::string::npos)
            return {};
    return parts;
}

bool CreateEmptyFile(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QFile created(file);
    return created.open(QIODevice::WriteOnly);
}

}  // namespace

std::string RegistryFilePath(const AnsiString& key)
{
    const std::vector<std::string> parts = PartsBelowSoftware(key);
    if (parts.empty())
        return {};
    std::string path = ConfigFolder();
    for (const std::string& part : parts)
        path += "/" + part;
    return QDir::cleanPath(QString::fromStdString(path + ".conf")).toStdString();
}

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() = default;

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate)
{
    CloseKey();
    const std::string path = RegistryFilePath(key);
    if (path.empty())
        return false;
    if (!QFileInfo(QString::fromStdString(path)).isFile() && (!canCreate || !CreateEmptyFile(path)))
        return false;
    settings_ = std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat);
    return true;
}

void TRegistry::CloseKey()
{
    settings_.reset();
}

QSettings& TRegistry::OpenSettings(const AnsiString& name, const char* failure)
{
    if (!settings_)
        throw RegistryError(failure, name);
    // Picks up what another program (or another object) wrote since the last access.
    settings_->sync();
    return *settings_;
}

AnsiString TRegistry::ReadString(const AnsiString& name)
{
    const QVariant value = OpenSettings(name, kGetFailed).value(QString::fromStdString(name));
    // A hand-edited line with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", ").toStdString();
    return value.toString().toStdString();
}

int TRegistry::ReadInteger(const AnsiString& name)
{
    if (!ValueExists(name))
        throw RegistryError(kGetFailed, name);
    int value = 0;
    if (!TryStrToInt(ReadString(name), value))
        throw RegistryError(kInvalidType, name);
    return value;
}

bool TRegistry::ReadBool(const AnsiString& name)
{
    return ReadInteger(name) != 0;
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value)
{
    Write(name, QString::fromStdString(value));
}

void TRegistry::WriteInteger(const AnsiString& name, int value)
{
    Write(name, value);
}

void TRegistry::WriteBool(const AnsiString& name, bool value)
{
    Write(name, value ? 1 : 0);
}

void TRegistry::Write(const AnsiString& name, const QVariant& value)
{
    QSettings& settings = OpenSettings(name, kSetFailed);
    settings.setValue(QString::fromStdString(name), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw RegistryError(kSetFailed, name);
}

bool TRegistry::ValueExists(const AnsiString& name)
{
    if (!settings_)
        return false;
    return OpenSettings(name, kGetFailed).contains(QString::fromStdString(name));
}
