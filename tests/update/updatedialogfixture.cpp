#include "updatedialogfixture.h"

#include <QPlainTextEdit>

#include <cstdlib>
#include <filesystem>

#include "data/dbconnect.h"
#include "foundation/jxinet.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "setup/programfoldersetup.h"

namespace {

const std::string FileRequestPath = "/my_dev/kovral_update_v2/files_ver_ravend/";
const std::string LoginRequestPath = "/my_dev/kovral_update_v2/auth.php";

}  // namespace

UpdateDialogFixture::UpdateDialogFixture()
{
    SetupProgramFolder(Folder(), SetupOptions{});
    // As the main window's constructor does.
    DBSetting::Global()->LoadLanguage();
    UseAccount(User, Password);
    previousHook_ = SetOpenUrlHook([this](const std::string& url) {
        openedUrls_.push_back(url);
        return true;
    });
}

UpdateDialogFixture::~UpdateDialogFixture()
{
    JXInet::SetLimitsForTests({});
    SetOpenUrlHook(previousHook_);
    service_.reset();
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
}

void UpdateDialogFixture::UseAccount(const std::string& user, const std::string& password)
{
    service_.reset();
    service_ = std::make_unique<LoopbackUpdateService>(UpdateServiceConfig{files_.Path(), user, password});
    setenv("KOVRAL_UPDATE_HOST", service_->Host().c_str(), 1);
    setenv("KOVRAL_WEB_HOST", service_->Host().c_str(), 1);
    DBSetting::Global()->WriteString("UserName", user);
    DBSetting::Global()->WriteString("UserPwd", password);
}

void UpdateDialogFixture::ResetDataFile()
{
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
    for (const char* file : {"data.mdb", "data.mdb-wal", "data.mdb-shm"})
        std::filesystem::remove(File(file));
    SetupProgramFolder(Folder(), SetupOptions{});
    DBSetting::Global()->LoadLanguage();
}

std::vector<std::string> UpdateDialogFixture::MemoLines(TDlgUpdate& dialog)
{
    std::vector<std::string> lines;
    for (const QString& line : dialog.findChild<QPlainTextEdit*>("txtInfo")->toPlainText().split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

std::string UpdateDialogFixture::DataValue(const std::string& jetSql)
{
    TADOQuery query(DBConnect::GetData()->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    return query.Fields(0)->AsString();
}

std::vector<std::string> UpdateDialogFixture::LoginQueries() const
{
    std::vector<std::string> queries;
    for (const ReceivedRequest& request : service_->Requests())
        if (request.path == LoginRequestPath)
            queries.push_back(request.query);
    return queries;
}

std::vector<int> UpdateDialogFixture::FilesAsked() const
{
    std::vector<int> numbers;
    for (const ReceivedRequest& request : service_->Requests())
        if (request.path.starts_with(FileRequestPath))
            numbers.push_back(std::atoi(request.path.c_str() + FileRequestPath.size()));
    return numbers;
}

std::vector<std::string> UpdateDialogFixture::Log() const
{
    std::vector<std::string> lines;
    for (const std::string& line : LogLines())
        lines.push_back(WithoutStamp(line));
    return lines;
}
