#include "update/dlgupdate.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTimer>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "foundation/jxerr.h"
#include "foundation/jxinet.h"
#include "immutablefile.h"
#include "platform/adoquery.h"
#include "platform/messagebox.h"
#include "sampledata/sampledatagenerator.h"
#include "setup/programfoldersetup.h"
#include "sqlitefile.h"
#include "update/dbupdateview.h"
#include "updatedialogfixture.h"

namespace {

using Lines = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

// A played match of the league below, as an instruction.
std::string Match(const std::string& values)
{
    return "{i}Fixed(FixedIND,Date,Team1ID,Team2ID,Gol1,Gol2,Tur,AET,RoundID,ChampID,SeasonID){v}" + values +
           ", False, 1, 10, 1{/v}";
}

// A small league over three files: the tournament and its teams, then two matches,
// then one more; each file leaves its own number as the data version.
const std::vector<std::vector<std::string>> LeagueFiles = {
    {
        "{i}[National]{v}'ENG', 'England'{/v}",
        "{i}ChampType{v}1, 'League'{/v}",
        "{i}Champ{v}0, 'All', 'ENG', 1, True, '', 0{/v}",
        "{i}Champ{v}10, 'Premier League', 'ENG', 1, True, 'a', 1{/v}",
        "{i}Season{v}0, '', 0{/v}",
        "{i}Season{v}1, '2022/2023', 2022{/v}",
        "{i}Round{v}1, 'Matchday', True, 1{/v}",
        "{i}Team{v}17, 'Arsenal', 'ENG'{/v}", "{i}Team{v}18, 'Chelsea', 'ENG'{/v}",
        "{i}Team{v}19, 'Liverpool', 'ENG'{/v}",
        "{u}Version{s}UpdateNum='1'",
    },
    {Match("1, #08/10/2022#, 17, 18, 3, 1, 1"), Match("2, #09/10/2022#, 17, 19, 1, 0, 2"),
     "{u}Version{s}UpdateNum='2'"},
    {Match("3, #10/10/2022#, 18, 19, 0, 2, 3"), "{u}Version{s}UpdateNum='3'"},
};

const std::string ReplyHead = ":{/splitCol};{/splitRow}";
const std::string ReplyColumns = "status:time_end:min_ver_file:db_ver_server;";

class TDlgUpdateTest : public UpdateDialogFixture {
protected:
    // The matches of tournament 10 in season 1, newest first, as the main list reads them.
    static std::string LeagueScores()
    {
        DBFilter filter;
        EXPECT_TRUE(filter.Update());
        EXPECT_TRUE(filter.AddChamp(10, 1));
        EXPECT_TRUE(filter.Update());
        DBFixed fixed;
        EXPECT_TRUE(fixed.OpenByFilter(&filter));
        std::string scores;
        for (TADOQuery* query = fixed.GetQuery(); !query->Eof(); query->Next())
            scores += (scores.empty() ? "" : " ") + fixed.GetTeam1() + "-" + fixed.GetTeam2() + " " +
                      fixed.GetScoreText();
        return scores;
    }

    static bool Closable(TDlgUpdate& dialog) { return dialog.close() && !dialog.isVisible(); }
};

TEST_F(TDlgUpdateTest, CurrentDataEndsAfterTheReplyWithoutFetching)
{
    TDlgUpdate dialog;
    ClickUpdate(dialog);

    EXPECT_EQ(MemoLines(dialog), AfterLogin({"", Text(1061)}));
    EXPECT_EQ(StatusText(dialog), Text(1054) + ": 31.12.2099");
    EXPECT_EQ(dialog.Tag(), 0);
    EXPECT_TRUE(FilesAsked().empty());
    EXPECT_EQ(LoginQueries(), Lines{"user=" + User + "&pwd=" + Password + "&ver=20&upd=0"});
    QTest::mouseClick(Button(dialog, "btnExit"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible()) << "btnExit closes once the run has ended";
}

TEST_F(TDlgUpdateTest, FilesAreAppliedInOrderThenStatsAreRebuiltAndTheFileCompacted)
{
    ServeFiles(1, LeagueFiles);
    // The reserve host is replaced as the product host is, which the other tests use.
    DBSetting::Global()->WriteInteger("UpdServ", 1);
    struct stat before {};
    ASSERT_EQ(stat(File("data.mdb").c_str(), &before), 0);
    TDlgUpdate dialog;
    // The bar's last position before each file was asked for.
    std::vector<int> barBeforeFile(3, -1);
    QObject::connect(Bar(dialog), &QProgressBar::valueChanged, [&](int value) {
        if (const size_t asked = FilesAsked().size(); asked < barBeforeFile.size())
            barBeforeFile[asked] = value;
    });
    ClickUpdate(dialog);

    EXPECT_EQ(MemoLines(dialog),
              AfterLogin({Step(3, 1055, "OK"), Step(4, 1056, "OK"), Step(5, 1402, "OK"), Step(6, 1057, "OK"), ""}));
    EXPECT_EQ(FilesAsked(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(barBeforeFile, (std::vector<int>{40, 70, 100}));
    EXPECT_EQ(Bar(dialog)->value(), 100);
    EXPECT_EQ(dialog.Tag(), 1);
    EXPECT_EQ(Log(), (Lines{"1", "2", "3"}));

    EXPECT_EQ(DBConnect::GetData()->GetUpdate(), "3") << "set by the files' own statements";
    EXPECT_EQ(LeagueScores(), "Chelsea-Liverpool 0:2 Arsenal-Liverpool 1:0 Arsenal-Chelsea 3:1");
    EXPECT_EQ(DataValue("SELECT SUM(Point) FROM Stats WHERE TeamID=17"), "6");
    EXPECT_EQ(DataValue("SELECT COUNT(*) FROM TeamResults"), "6");
    struct stat after {};
    ASSERT_EQ(stat(File("data.mdb").c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "compaction replaces data.mdb by its compacted copy";
    EXPECT_FALSE(std::filesystem::exists(File("data1.mdb")));

    // The next login tells the service where the data now stand.
    Service().ClearRequests();
    ClickUpdate(dialog);
    EXPECT_EQ(LoginQueries(), Lines{"user=" + User + "&pwd=" + Password + "&ver=20&upd=3"});
    EXPECT_EQ(MemoLines(dialog), AfterLogin({"", Text(1061)}));
    EXPECT_EQ(dialog.Tag(), 1) << "the Tag never returns to 0";
}

TEST_F(TDlgUpdateTest, MissingFileEndsTheFileStageWhereTheNextRunTakesUp)
{
    ServeFiles(1, LeagueFiles);
    const struct {
        const char* name;
        std::set<int> hidden;
        int last;  // the reply's db_ver_server
        std::vector<int> asked;
        std::string updateNum;
    } cases[] = {
        {"file 2 of 3 missing", {2}, 3, {1, 2}, "1"},
        {"a reply that names files up to the largest number", {}, std::numeric_limits<int>::max(), {1, 2, 3, 4}, "3"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ResetDataFile();
        Service().HideFiles(test.hidden);
        Service().SetLoginReply(ReplyHead + ReplyColumns + "update:31.12.2099:1:" + std::to_string(test.last) + ";");
        Service().ClearRequests();
        TDlgUpdate dialog;
        ClickUpdate(dialog);

        EXPECT_EQ(MemoLines(dialog), AfterLogin({Step(3, 1055, "ERR"), "", Text(1058) + "!", Text(1059) + "!"}));
        EXPECT_EQ(FilesAsked(), test.asked) << "no file after the missing one";
        EXPECT_EQ(DBConnect::GetData()->GetUpdate(), test.updateNum);
        EXPECT_EQ(dialog.Tag(), 1) << "files were applied, the main window must reload";
        EXPECT_EQ(DataValue("SELECT COUNT(*) FROM Stats"), "0") << "no rebuild after a failed file";
        EXPECT_EQ(Log().back(), "Warning: " + Text(1058) + " " + Text(1059));
        EXPECT_TRUE(Closable(dialog));
    }
}

// A run cut at a failed file and the run after it leave the data of an uninterrupted run.
TEST_F(TDlgUpdateTest, RunCutByAFailedFileIsCompletedByTheNextOne)
{
    SampleDataOptions options;
    options.scale = 600;
    options.statementsPerFile = 1000;
    const int files = SampleDataGenerator(options).Generate(FilesFolder()).files;
    ASSERT_GE(files, 4);
    // Row counts of every table, and every match.
    const auto data = [this] {
        Rows rows = QuerySqlite(File("data.mdb"), "SELECT * FROM Fixed ORDER BY FixedIND");
        for (const auto& table : QuerySqlite(File("data.mdb"), "SELECT name FROM sqlite_master WHERE type='table'"))
            rows.push_back({table[0], QuerySqlite(File("data.mdb"), "SELECT COUNT(*) FROM \"" + table[0] + "\"")[0][0]});
        return rows;
    };
    const auto run = [] {
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        return MemoLines(dialog).at(2);
    };
    ASSERT_EQ(run(), Step(3, 1055, "OK"));
    const Rows uninterrupted = data();
    ASSERT_GT(uninterrupted.size(), 500u);

    for (const FileFault fault : {FileFault::Unavailable, FileFault::Dropped}) {
        ResetDataFile();
        Service().FailFileOnce(3, fault);
        Service().ClearRequests();
        EXPECT_EQ(run(), Step(3, 1055, "ERR"));
        EXPECT_EQ(FilesAsked(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(DBConnect::GetData()->GetUpdate(), "2");

        Service().ClearRequests();
        EXPECT_EQ(run(), Step(3, 1055, "OK"));
        EXPECT_EQ(FilesAsked().front(), 3);
        EXPECT_EQ(FilesAsked().back(), files);
        EXPECT_TRUE(data() == uninterrupted) << "the data differ from an uninterrupted run";
    }
}

TEST_F(TDlgUpdateTest, FolderNamedWithSeparatorsQuotesAndCyrillicOpensAndUpdates)
{
    const std::string folder = Folder() + "/Kovral; 'Спорт' \"2\" ;/";
    SetupProgramFolder(folder, SetupOptions{});
    DBSetting::Global()->LoadLanguage();
    ServeFiles(1, LeagueFiles);
    TDlgUpdate dialog;
    ClickUpdate(dialog);

    EXPECT_EQ(MemoLines(dialog),
              AfterLogin({Step(3, 1055, "OK"), Step(4, 1056, "OK"), Step(5, 1402, "OK"), Step(6, 1057, "OK"), ""}));
    EXPECT_EQ(LeagueScores(), "Chelsea-Liverpool 0:2 Arsenal-Liverpool 1:0 Arsenal-Chelsea 3:1");
    EXPECT_EQ(QuerySqlite(folder + "data.mdb", "SELECT UpdateNum FROM Version"), (Rows{{"3"}}));
}

TEST_F(TDlgUpdateTest, RejectedStatementIsCountedOnALineOfItsOwn)
{
    std::vector<std::vector<std::string>> files = LeagueFiles;
    files[1].insert(files[1].begin() + 1, "{i}Team{v}17, 'Arsenal again', 'ENG'{/v}");
    ServeFiles(1, files);
    TDlgUpdate dialog;
    ClickUpdate(dialog);

    EXPECT_EQ(MemoLines(dialog), AfterLogin({Step(3, 1055, "OK"), Text(1064) + ": 1", Step(4, 1056, "OK"),
                                             Step(5, 1402, "OK"), Step(6, 1057, "OK"), ""}));
    EXPECT_EQ(LeagueScores(), "Chelsea-Liverpool 0:2 Arsenal-Liverpool 1:0 Arsenal-Chelsea 3:1")
            << "the valid rows around it are in";
    EXPECT_EQ(DBConnect::GetData()->GetUpdate(), "3");
    EXPECT_EQ(Log().at(2).rfind(" INSERT INTO Team VALUES( 17, 'Arsenal again', 'ENG' ) ", 0), 0u) << Log().at(2);
}

// Every statement is refused: the files count them, the rebuild and the compaction fail
// on their lines, the log names the rebuild, and the file stays as it was.
TEST_F(TDlgUpdateTest, ReadOnlyDataFileFailsTheRebuildAndIsNotWritten)
{
    ServeFiles(1, LeagueFiles);
    DBConnect::ResetForTests();
    const auto data = [this] { return ReadFile(File("data.mdb")) + ReadFile(File("data.mdb-wal")); };
    const std::string before = data();
    Lines memo;
    {
        const ImmutableFile immutable(File("data.mdb"));
        if (!immutable.Applied())
            GTEST_SKIP() << ImmutableFile::NotAvailable;
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        memo = MemoLines(dialog);
        DBConnect::ResetForTests();
    }
    EXPECT_EQ(memo, AfterLogin({Step(3, 1055, "OK"), Text(1064) + ": 16", Step(4, 1056, "ERR"), Step(5, 1402, "OK"),
                                Step(6, 1057, "ERR"), ""}));
    const Lines log = Log();
    const auto logged = [&](const std::string& start) {
        return std::any_of(log.begin(), log.end(), [&](const std::string& line) { return line.starts_with(start); });
    };
    EXPECT_TRUE(logged("[WARNING] DBUpdateView::UpdateStats attempt to write a readonly database"));
    EXPECT_TRUE(logged("Warning: UpdateStats"));
    EXPECT_TRUE(data() == before) << "the database was written to";
}

TEST_F(TDlgUpdateTest, SilentSlowAndEndlessServicesMeetTheLimits)
{
    JXInet::SetLimitsForTests({std::chrono::milliseconds(300), std::chrono::milliseconds(300), 64 << 10});
    const struct {
        const char* name;
        ReplyPace pace;
        Lines memo;
        bool waits;  // longer than the limits
    } cases[] = {
        {"never answers", ReplyPace::Never, {Step(1, 1052, "ERR"), ""}, true},
        {"a byte every 10 ms", ReplyPace::ByteByByte, AfterLogin({"", Text(1061)}), true},
        {"no end", ReplyPace::Endless, {Step(1, 1052, "ERR"), ""}, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        Service().SetReplyPace(test.pace);
        TDlgUpdate dialog;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ticks += LoginQueries().empty() ? 0 : 1; });
        timer.start(20);
        Service().ClearRequests();
        ClickUpdate(dialog);

        EXPECT_EQ(MemoLines(dialog), test.memo);
        if (test.waits) {
            EXPECT_GT(ticks, 5) << "the window went on painting while the request waited";
        }
        EXPECT_EQ(dialog.Tag(), 0);
        EXPECT_TRUE(Closable(dialog));
        // The service is restarted for the next case, so no reply of this one lingers.
        UseAccount(User, Password);
    }
}

TEST_F(TDlgUpdateTest, RefusedLoginOpensTheAccountPage)
{
    ServeFiles(1, LeagueFiles);
    Service().RefuseLogin(true);
    TDlgUpdate dialog;
    ClickUpdate(dialog);

    EXPECT_EQ(MemoLines(dialog), (Lines{Step(1, 1052, "OK"), Step(2, 1053, "ERR"), "", Text(1063)}));
    EXPECT_EQ(OpenedUrls(), Lines{Text(1246)});
    EXPECT_EQ(StatusText(dialog), "");
    EXPECT_TRUE(FilesAsked().empty());
    EXPECT_EQ(dialog.Tag(), 0);
    EXPECT_TRUE(Closable(dialog));
}

// A proxy that is set but off carries nothing; a dead proxy, a dead service and a broken
// setting end the run before any data came, the broken setting named on its own line.
TEST_F(TDlgUpdateTest, RunsThatReachNoServiceLeaveTheDatabaseUntouched)
{
    // A port that was just free again.
    const std::string deadHost = LoopbackUpdateService(UpdateServiceConfig{FilesFolder(), User, Password}).Host();
    DBSetting& setting = *DBSetting::Global();
    setting.WriteString("ProxyAddress", "127.0.0.1");
    setting.WriteInteger("ProxyPort", 1);  // nothing listens there
    const Lines loginFailed = {Step(1, 1052, "ERR"), ""};
    const struct {
        const char* name;
        std::function<void()> prepare;
        Lines memo;  // its first lines
        size_t logins;
    } cases[] = {
        {"a proxy that is off", [] {}, AfterLogin({"", Text(1061)}), 1},
        {"a dead proxy",
         [&] {
             ServeFiles(1, LeagueFiles);
             setting.WriteBool("UseProxy", true);
         },
         loginFailed, 0},
        {"no service",
         [&] {
             setting.WriteBool("UseProxy", false);
             setenv("KOVRAL_UPDATE_HOST", deadHost.c_str(), 1);
         },
         loginFailed, 0},
        {"a broken setting", [&] { setting.WriteString("UpdServ", "reserve"); }, {"", Text(1058) + "!"}, 0},
    };
    const auto data = [this] { return ReadFile(File("data.mdb")) + ReadFile(File("data.mdb-wal")); };
    const std::string before = data();
    Lines memo;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        test.prepare();
        Service().ClearRequests();
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        memo = MemoLines(dialog);
        EXPECT_EQ(Lines(memo.begin(), memo.begin() + std::min(memo.size(), test.memo.size())), test.memo);
        EXPECT_EQ(LoginQueries().size(), test.logins);
        EXPECT_EQ(dialog.Tag(), 0);
        EXPECT_TRUE(data() == before) << "the database was written to";
        EXPECT_TRUE(Closable(dialog));
    }
    ASSERT_EQ(memo.size(), 3u);
    EXPECT_NE(memo[2].find("UpdServ"), std::string::npos) << memo[2];
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_TRUE(Log()[0].starts_with("ERROR UPDATE "));
}

// Whatever the repair of stale statistics raises is written as the run's own failures
// are, and the run ends with the window closable. Here the rebuild fails, its warning
// cannot be written to the log, and the error box of that raises.
TEST_F(TDlgUpdateTest, FailureInTheRepairEndsTheRunAsOneOnTheRoad)
{
    DBUpdateView::MarkStatsOutOfDate();
    RunSqlite(File("data.mdb"), "DROP TABLE Stats");
    std::filesystem::create_directory(File("log.txt"));
    bool raised = false;
    const MessageBoxHook recorder = SetMessageBoxHook([&](const MessageBoxRequest&) -> int {
        const std::deque<JXStr>& errors = JXErr::GetInstance().Lines();
        if (raised || errors.empty() || !errors.back().GetAnsi().starts_with("[WARNING] DBUpdateView::UpdateStats"))
            return IDOK;
        raised = true;
        std::filesystem::remove(File("log.txt"));
        throw std::runtime_error("no error box");
    });
    TDlgUpdate dialog;
    ClickUpdate(dialog);
    SetMessageBoxHook(recorder);

    EXPECT_TRUE(raised);
    EXPECT_EQ(MemoLines(dialog), AfterLogin({"", Text(1061), "4. " + Text(1056) + "... ", Text(1058) + "!",
                                             "no error box"}));
    EXPECT_EQ(Log(), Lines{"ERROR UPDATE no error box"});
    EXPECT_TRUE(Button(dialog, "btnUpdate")->isEnabled());
    EXPECT_TRUE(Closable(dialog));
}

TEST_F(TDlgUpdateTest, AccountTravelsInTheServicesSpelling)
{
    const std::string password = "pa ss#w&rd";
    UseAccount("Ann Lee+Bob&Co{pwd}", password);
    TDlgUpdate dialog;
    ClickUpdate(dialog);

    const std::vector<ReceivedRequest> requests = Service().Requests();
    ASSERT_EQ(requests.size(), 1u);
    // The name in the service's spelling, "{pwd}" in it left alone; of the password only
    // the blank and the "#" are escaped, by the HTTP client.
    EXPECT_EQ(requests[0].query, "user=Ann_Lee;P;Bob;A;Co{pwd}&pwd=pa%20ss%23w&rd&ver=20&upd=0");
    EXPECT_EQ(requests[0].values.at("pwd"), password);
    EXPECT_EQ(MemoLines(dialog), AfterLogin({"", Text(1061)})) << "the service knows the account";
}

TEST_F(TDlgUpdateTest, ClosingIsRefusedWhileARunIsUnderWay)
{
    ServeFiles(1, LeagueFiles);
    TDlgUpdate dialog;
    bool tried = false;
    QObject::connect(Bar(dialog), &QProgressBar::valueChanged, [&] {
        if (std::exchange(tried, true))
            return;
        EXPECT_FALSE(dialog.close());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.reject();
        QTest::mouseClick(Button(dialog, "btnExit"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(Button(dialog, "btnExit")->isEnabled() || Button(dialog, "btnUpdate")->isEnabled());
    });
    ClickUpdate(dialog);

    ASSERT_TRUE(tried);
    EXPECT_EQ(MemoLines(dialog).at(5), Step(6, 1057, "OK")) << "the run went on to its end";
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible()) << "Esc closes once the run has ended";
}

TEST_F(TDlgUpdateTest, RepliesItCannotActOnEndWithAClearLine)
{
    ServeFiles(1, LeagueFiles);
    const Lines unknown = {"", Text(1058), Text(1060)};
    const Lines unreadable = Joined({Step(1, 1052, "OK"), Step(2, 1053, "ERR")}, unknown);
    const Lines badNumbers = AfterLogin(Joined({Step(3, 1055, "ERR")}, unknown));
    const struct {
        const char* name;
        std::string reply;
        Lines memo;
    } cases[] = {
        {"no data row", ReplyHead + ReplyColumns, unreadable},
        {"no head", "update:31.12.2099:1:3;", unreadable},
        {"no status column", ReplyHead + "time_end:min_ver_file;31.12.2099:1;", unreadable},
        {"no end date", ReplyHead + "status:min_ver_file:db_ver_server;update:1:3;", unreadable},
        {"unknown status", ReplyHead + ReplyColumns + "maintenance:31.12.2099:1:3;", AfterLogin(unknown)},
        {"new version", ReplyHead + ReplyColumns + "install_new_version:31.12.2099:1:3;", AfterLogin({"", Text(1062)})},
        {"no last file", ReplyHead + "status:time_end:min_ver_file;update:31.12.2099:1;", badNumbers},
        {"first file not a number", ReplyHead + ReplyColumns + "update:31.12.2099:one:3;", badNumbers},
        {"negative first file", ReplyHead + ReplyColumns + "update:31.12.2099:-1:3;", badNumbers},
        {"last file before the first", ReplyHead + ReplyColumns + "update:31.12.2099:5:3;",
         AfterLogin({Step(3, 1055, "OK"), "", Text(1061)})},
        {"nothing to fetch", ReplyHead + ReplyColumns + "update:31.12.2099:0:3;", AfterLogin({Step(3, 1055, "")})},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        Service().SetLoginReply(test.reply);
        Service().ClearRequests();
        TDlgUpdate dialog;
        ClickUpdate(dialog);
        EXPECT_EQ(MemoLines(dialog), test.memo);
        EXPECT_TRUE(FilesAsked().empty());
        EXPECT_EQ(dialog.Tag(), 0);
        EXPECT_TRUE(Closable(dialog));
    }
    EXPECT_EQ(Log(), (Lines{"[ERROR] [parseText] not find split1 or split2", "StartPos: 0;"}));
    EXPECT_EQ(DBConnect::GetData()->GetUpdate(), "0");
}

}  // namespace
