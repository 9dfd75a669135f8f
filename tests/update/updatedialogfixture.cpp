#include "updatedialogfixture.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <cstdlib>

#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "setup/programfoldersetup.h"
#include "updateservice/instructionfile.h"

namespace {

const std::string FileRequestPath = "/my_dev/kovral_update_v2/files_ver_ravend/";
const std::string LoginRequestPath = "/my_dev/kovral_update_v2/auth.php";

}  // namespace

UpdateDialogFixture::UpdateDialogFixture()
{
    SetupOptions options;
    options.userName = User;
    options.userPassword = Password;
    SetupProgramFolder(Folder(), options);
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
    DBSetting::Global()->WriteString("UserName", user);
    DBSetting::Global()->WriteString("UserPwd", password);
}

void UpdateDialogFixture::ServeFiles(int first, const std::vector<std::vector<std::string>>& files)
{
    WriteInstructionFiles(files_.Path(), first, files);
}

void UpdateDialogFixture::ClickUpdate(TDlgUpdate& dialog)
{
    dialog.show();
    QTest::mouseClick(Button(dialog, "btnUpdate"), Qt::LeftButton);
}

std::vector<std::string> UpdateDialogFixture::MemoLines(TDlgUpdate& dialog)
{
    const QString text = dialog.findChild<QPlainTextEdit*>("txtInfo")->toPlainText();
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

std::string UpdateDialogFixture::StatusText(TDlgUpdate& dialog)
{
    return dialog.findChild<QStatusBar*>("statusBar")->currentMessage().toStdString();
}

QProgressBar* UpdateDialogFixture::Bar(TDlgUpdate& dialog)
{
    return dialog.findChild<QProgressBar*>("bar");
}

QPushButton* UpdateDialogFixture::Button(TDlgUpdate& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(name);
}

std::string UpdateDialogFixture::DataValue(const std::string& jetSql)
{
    TADOQuery query(DBConnect::GetData()->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    return query.Fields(0)->AsString();
}

std::string UpdateDialogFixture::Text(int id)
{
    return DBSetting::Global()->GetLangText(id);
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
        if (request.path.rfind(FileRequestPath, 0) == 0)
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
