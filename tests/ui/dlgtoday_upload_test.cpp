#include <gtest/gtest.h>

#include <QPushButton>

#include <cstdlib>
#include <string>
#include <vector>

#include "currentfolder.h"
#include "data/dbfilter.h"
#include "tempfolder.h"
#include "ui/dlgtoday.h"
#include "ui/todaynextpage.h"
#include "updatedialogfixture.h"

namespace {

// The hidden pick upload of the nearest-matches window: the file of the process's current
// folder posted to the loopback service as the web host.
class TDlgTodayUploadTest : public UpdateDialogFixture {
protected:
    // Clicks the hidden upload button with picks (a missing file for none) in the current folder.
    void Upload(const std::vector<std::string>* lines)
    {
        TempFolder current;
        const CurrentFolder inside(current.Path());
        if (lines) {
            std::string text;
            for (const std::string& line : *lines)
                text += line + "\r\n";
            WriteFile(current.File("export_predict_to_site.txt"), text);
        }
        DBFilter history;
        TDlgToday today(nullptr, &history);
        today.tabNext->btnSendToServer->click();
    }
    // The texts of the boxes shown, in order.
    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> boxes;
        for (const MessageBoxRequest& box : Messages())
            boxes.push_back(box.text);
        return boxes;
    }
    std::vector<std::string> Uploads() const
    {
        std::vector<std::string> texts;
        for (const ReceivedRequest& request : const_cast<TDlgTodayUploadTest*>(this)->Service().Requests()) {
            EXPECT_EQ(request.path, "/my_dev/rff/save_predict.php");
            texts.push_back(request.values.count("Text") ? request.values.at("Text") : "<no Text field>");
        }
        return texts;
    }
};

TEST_F(TDlgTodayUploadTest, LinesArriveJoinedByteForByte)
{
    const std::vector<std::string> lines = {":{/splitCol};{/splitRow}Home:Away;", "Brighton & Hove Albion:a=b;",
                                            "1+1%20:Спартак;"};
    Service().SetWebReply("1 ok");
    Upload(&lines);
    EXPECT_EQ(Uploads(), std::vector<std::string>{lines[0] + lines[1] + lines[2]});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"1 ok"});
}

TEST_F(TDlgTodayUploadTest, WriteErrorsHaveTheirBoxBeforeTheReplyAndALongReplyIsCut)
{
    const std::string cyrillic = [] {
        std::string text;
        for (int i = 0; i < 2500; ++i)
            text += "ж";
        return text;
    }();
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
            {"2 busy", {"Ошибка записи файла, повторите позже", "2 busy"}},
            {"3 full", {"Ошибка записи файла 3, повторите позже", "3 full"}},
            {cyrillic, {cyrillic.substr(0, 2000 * std::string("ж").size())}}};
    const std::vector<std::string> lines = {"picks"};
    size_t shown = 0;
    for (const auto& [reply, boxes] : cases) {
        Service().SetWebReply(reply);
        Upload(&lines);
        const std::vector<std::string> all = Boxes();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(shown), all.end()), boxes)
                << reply.substr(0, 10);
        shown = all.size();
    }
    EXPECT_EQ(Messages()[0].caption, "Ошибка");
}

TEST_F(TDlgTodayUploadTest, NoFileShowsTheErrorAndSendsNothingAndNoServiceIsOnlyLogged)
{
    Upload(nullptr);
    EXPECT_TRUE(Uploads().empty());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].find("export_predict_to_site.txt"), std::string::npos) << Boxes()[0];

    // Nothing listens on port 1.
    setenv("KOVRAL_WEB_HOST", "127.0.0.1:1", 1);
    const std::vector<std::string> lines = {"picks"};
    Upload(&lines);
    EXPECT_EQ(Boxes().size(), 1u);
    ASSERT_FALSE(Log().empty());
    EXPECT_NE(Log().back().find("UploadPicks"), std::string::npos) << Log().back();
}

}  // namespace
