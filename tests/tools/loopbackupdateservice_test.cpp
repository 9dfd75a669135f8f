#include "updateservice/loopbackupdateservice.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QProcess>
#include <QRegularExpression>

#include "foundation/jxinet.h"
#include "tempfolder.h"

namespace {

const std::string User = "Ivan Petrov";
const std::string Password = "s3cret";
const std::string FilePath = "/my_dev/kovral_update_v2/files_ver_ravend/";

// The login path as the update dialog builds it.
std::string LoginPath(const std::string& user, const std::string& pwd, const std::string& upd,
                      const std::string& ver = "20")
{
    // No escaping: the client escapes what a URL cannot carry.
    std::string sentUser;
    for (const char c : user)
        sentUser += c == ' ' ? std::string("_") : c == '+' ? std::string(";P;") : c == '&' ? std::string(";A;")
                                                                                               : std::string(1, c);
    return "/my_dev/kovral_update_v2/auth.php?user=" + sentUser + "&pwd=" + pwd + "&ver=" + ver + "&upd=" + upd;
}

std::string Reply(const std::string& row)
{
    return ":{/splitCol};{/splitRow}status:time_end:min_ver_file:db_ver_server;" + row;
}

struct Answer {
    int status = 0;  // 0: no answer at all
    std::string body;
};

Answer Fetch(int port, const std::string& path)
{
    httplib::Client client("127.0.0.1", port);
    client.set_url_encode(false);
    const httplib::Result result = client.Get(path);
    if (!result)
        return {};
    return {result->status, result->body};
}

class LoopbackUpdateServiceTest : public ::testing::Test {
protected:
    LoopbackUpdateServiceTest()
    {
        for (int n = 1; n <= 3; ++n)
            WriteFile(folder_.File(std::to_string(n) + ".txt"), FileBody(n));
        WriteFile(folder_.File("notes.txt"), "not an instruction file");
        WriteFile(folder_.File("05.txt"), "not named as the client asks for it");
        service_ = std::make_unique<LoopbackUpdateService>(UpdateServiceConfig{folder_.Path(), User, Password});
    }

    static std::string FileBody(int n)
    {
        return ":{/splitCol};{/splitRow}instruct;{u}Version{s}UpdateNum='" + std::to_string(n) + "';";
    }

    Answer Login(const std::string& upd, const std::string& user = User, const std::string& pwd = Password,
                 const std::string& ver = "20")
    {
        return Fetch(service_->Port(), LoginPath(user, pwd, upd, ver));
    }

    TempFolder folder_;
    std::unique_ptr<LoopbackUpdateService> service_;
};

TEST_F(LoopbackUpdateServiceTest, LoginAnswersByAccountProtocolAndDatabaseVersion)
{
    EXPECT_EQ(service_->FileNumbers(), (std::vector<int>{1, 2, 3}));
    const struct {
        std::string user, pwd, ver, upd, reply;
    } cases[] = {
            {User, Password, "20", "0", "update:31.12.2099:1:3;"},
            {User, Password, "20", "2", "update:31.12.2099:3:3;"},
            {User, Password, "20", "", "update:31.12.2099:1:3;"},  // an empty Version table sends no number
            {User, Password, "20", "3", "not_update:31.12.2099:0:3;"},
            {User, Password, "20", "12", "not_update:31.12.2099:0:3;"},
            {User, Password, "19", "0", "install_new_version:31.12.2099:0:3;"},
            {User, "wrong", "20", "0", "2::0:0;"},
            {"ivan petrov", Password, "20", "0", "2::0:0;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user + " " + c.pwd + " ver " + c.ver + " upd " + c.upd);
        const Answer answer = Login(c.upd, c.user, c.pwd, c.ver);
        EXPECT_EQ(answer.status, 200);
        EXPECT_EQ(answer.body, Reply(c.reply));
    }
    EXPECT_EQ(Fetch(service_->Port(), "/my_dev/kovral_update_v2/auth.php?user=Ivan_Petrov").body, Reply("2::0:0;"));
    EXPECT_EQ(Fetch(service_->Port(), "/my_dev/kovral_update_v2/auth.php").body, Reply("2::0:0;"));
}

TEST_F(LoopbackUpdateServiceTest, ProgramClientLogsInWithEveryAwkwardCharacterAndFetchesTheFiles)
{
    const std::string user = "Анна Maria+Co & Sons";
    const std::string pwd = "p w#d&x+y%z%41";
    LoopbackUpdateService service({folder_.Path(), user, pwd});
    service.HideFiles({3});
    JXInet inet;
    ASSERT_TRUE(inet.Get(service.Host(), LoginPath(user, pwd, "1").substr(1)));
    EXPECT_EQ(inet.GetText(), Reply("update:31.12.2099:2:3;"));

    ASSERT_TRUE(inet.Get(service.Host(), FilePath.substr(1) + "2.txt"));
    EXPECT_EQ(inet.GetText(), FileBody(2));
    EXPECT_FALSE(inet.Get(service.Host(), FilePath.substr(1) + "3.txt"));

    const std::vector<ReceivedRequest> requests = service.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].path, "/my_dev/kovral_update_v2/auth.php");
    EXPECT_EQ(requests[0].query,
              "user=%D0%90%D0%BD%D0%BD%D0%B0_Maria;P;Co_;A;_Sons&pwd=p%20w%23d&x+y%z%41&ver=20&upd=1");
    EXPECT_EQ(requests[0].status, 200);
    const std::map<std::string, std::string> expected = {
            {"user", user}, {"pwd", pwd}, {"ver", "20"}, {"upd", "1"}};
    EXPECT_EQ(requests[0].values, expected);
}

TEST_F(LoopbackUpdateServiceTest, ServesTheNumberedFilesThatAreNotHiddenAndNothingElse)
{
    service_->HideFiles({2});
    const std::pair<std::string, int> paths[] = {
            {FilePath + "1.txt", 200},     {FilePath + "2.txt", 404},     {FilePath + "3.txt", 200},
            {FilePath + "4.txt", 404},     {FilePath + "05.txt", 404},    {FilePath + "notes.txt", 404},
            {FilePath + "../1.txt", 404}, {"/update/mail.php?x=1", 404},
    };
    for (const auto& [path, status] : paths)
        EXPECT_EQ(Fetch(service_->Port(), path).status, status) << path;
    EXPECT_EQ(Fetch(service_->Port(), FilePath + "3.txt").body, FileBody(3));
    EXPECT_EQ(Login("0").body, Reply("update:31.12.2099:1:3;")) << "a hidden file still counts";
    // Files written while it runs count at the next login.
    WriteFile(folder_.File("4.txt"), FileBody(4));
    EXPECT_EQ(Login("3").body, Reply("update:31.12.2099:4:4;"));
}

TEST_F(LoopbackUpdateServiceTest, EmptyOrMissingFolderHasNothingToOffer)
{
    LoopbackUpdateService service({folder_.File("none"), User, Password, 0, "01.06.2030"});
    EXPECT_EQ(Fetch(service.Port(), LoginPath(User, Password, "")).body, Reply("not_update:01.06.2030:0:0;"));
    EXPECT_EQ(Fetch(service.Port(), FilePath + "1.txt").status, 404);
}

TEST_F(LoopbackUpdateServiceTest, BusyPortIsReportedAndStoppedServiceAnswersNoMore)
{
    const int port = service_->Port();
    EXPECT_GT(port, 0);
    EXPECT_EQ(service_->Host(), "127.0.0.1:" + std::to_string(port));
    EXPECT_THROW(LoopbackUpdateService({folder_.Path(), User, Password, port}), std::runtime_error);
    EXPECT_THROW(LoopbackUpdateService({folder_.Path(), User, Password, 0, "12:00"}), std::invalid_argument);

    // A connection kept open would hold up the stop until it timed out.
    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    const httplib::Result kept = client.Get(FilePath + "1.txt");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->get_header_value("Connection"), "close");

    service_.reset();
    EXPECT_EQ(Fetch(port, FilePath + "1.txt").status, 0);
}

TEST(UpdateServiceProgramTest, ServesOnAFreePortAndStopsByItselfButRejectsUnknownOptions)
{
    QProcess rejected;
    rejected.start(KOVRAL_UPDATE_SERVICE, {"--folder", "x", "--colour", "red"});
    ASSERT_TRUE(rejected.waitForFinished(10000));
    EXPECT_EQ(rejected.exitCode(), 2);
    EXPECT_TRUE(rejected.readAllStandardError().contains("Usage"));

    TempFolder folder;
    WriteFile(folder.File("1.txt"), "x");
    QProcess program;
    program.start(KOVRAL_UPDATE_SERVICE, {"--folder", QString::fromStdString(folder.Path()), "--user", "u",
                                          "--password", "p", "--seconds", "2"});
    ASSERT_TRUE(program.waitForStarted(10000));
    ASSERT_TRUE(program.waitForReadyRead(10000));
    const QString banner = QString::fromUtf8(program.readLine());
    const QRegularExpressionMatch port = QRegularExpression(R"(Listening on 127\.0\.0\.1:(\d+))").match(banner);
    ASSERT_TRUE(port.hasMatch()) << banner.toStdString();

    EXPECT_EQ(Fetch(port.captured(1).toInt(), LoginPath("u", "p", "0")).body, Reply("update:31.12.2099:1:1;"));
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    const std::string log = program.readAllStandardOutput().toStdString();
    EXPECT_NE(log.find("GET /my_dev/kovral_update_v2/auth.php?user=u&pwd=p&ver=20&upd=0 -> 200"), std::string::npos)
            << log;
}

TEST(UpdateServiceProgramTest, ConvertsASeasonCsvWithTheChosenOddsAndFixtureDay)
{
    TempFolder folder;
    const std::string csv = folder.File("E0_1920.csv");
    WriteFile(csv, "Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,B365H,B365D,B365A,B365CH,B365CD,B365CA\r\n"
                   "09/08/2019,20:00,Liverpool,Norwich,4,1,1.14,10,19,1.15,9.5,21\r\n"
                   "10/08/2019,12:30,West Ham,Man City,0,5,12,6.5,1.25,11,6,1.3\r\n");
    const auto run = [&](const QString& odds) {
        QProcess program;
        program.start(KOVRAL_UPDATE_SERVICE, {"--convert", QString::fromStdString(csv), "--folder",
                                              QString::fromStdString(folder.File("out")), "--odds", odds,
                                              "--fixtures-from", "10.08.2019"});
        EXPECT_TRUE(program.waitForFinished(10000));
        return std::make_pair(program.exitCode(), program.readAllStandardError().toStdString());
    };

    EXPECT_EQ(run("closing").first, 0);
    const std::string file = ReadFile(folder.File("out/1.txt"));
    EXPECT_NE(file.find("{i}Fixed{v}1,#08/09/2019#,1,3,4,1,1,0,1,1,2019,1.15,9.5,21,0,0,'',0,0{/v};"),
              std::string::npos)
            << file;
    EXPECT_NE(file.find("{i}Calendar{v}#08/10/2019#,4,2,1,1,1,'1230',11,6,1.3,0,0,'',0,0,0,5{/v};"),
              std::string::npos)
            << file;

    const auto [code, message] = run("best");
    EXPECT_EQ(code, 1);
    EXPECT_NE(message.find("--odds takes opening or closing"), std::string::npos) << message;
}

}  // namespace
