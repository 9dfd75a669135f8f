#include "foundation/jxinet.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// An HTTP server on 127.0.0.1 with a free port, serving from its own thread and
// keeping a copy of every request it receives.
class LoopbackServer {
public:
    explicit LoopbackServer(const std::function<void(httplib::Server&)>& routes)
    {
        // Runs for every request, after its body is read and before the answer is sent.
        server_.set_post_routing_handler([this](const httplib::Request& request, httplib::Response&) {
            const std::lock_guard lock(mutex_);
            requests_.push_back(request);
        });
        routes(server_);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackServer()
    {
        server_.stop();
        thread_.join();
    }

    int Port() const { return port_; }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::vector<httplib::Request> Requests() const
    {
        const std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<httplib::Request> requests_;
};

const std::string TrickleText = "status:time_end;update:31.12.2099;";

// The update host as the tests play it.
void OriginRoutes(httplib::Server& server)
{
    const auto text = [](const char* body) {
        return [body](const httplib::Request&, httplib::Response& response) { response.set_content(body, "text/plain"); };
    };
    server.Get("/hello", text("Привет:{/splitCol}"));
    server.Post("/form", text("1 accepted"));
    server.Get("/target", text("moved here"));
    const auto fail = [](const httplib::Request&, httplib::Response& response) {
        response.status = 500;
        response.set_content("server error page", "text/plain");
    };
    server.Get("/fail", fail);
    server.Post("/fail", fail);
    const auto moved = [](const httplib::Request&, httplib::Response& response) { response.set_redirect("/target"); };
    server.Get("/moved", moved);
    server.Post("/moved", moved);
    // Replies that test the limits: one that never comes, one a byte every 25 ms, one
    // without end, and one of 100 MB.
    server.Get("/silent", [](const httplib::Request&, httplib::Response& response) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        response.set_content("too late", "text/plain");
    });
    server.Get("/trickle", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("text/plain", [](size_t offset, httplib::DataSink& sink) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            if (offset == TrickleText.size()) {
                sink.done();
                return true;
            }
            return sink.write(TrickleText.data() + offset, 1);
        });
    });
    const auto stream = [](size_t bytes) {
        return [bytes](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider("text/plain", [bytes](size_t offset, httplib::DataSink& sink) {
                static const std::string block(64 << 10, 'x');
                if (offset >= bytes) {
                    sink.done();
                    return true;
                }
                return sink.write(block.data(), std::min(block.size(), bytes - offset));
            });
        };
    };
    server.Get("/endless", stream(std::numeric_limits<size_t>::max()));
    server.Get("/large", stream(size_t{100} << 20));
}

const char* const ProxyUser = "proxy user";
const char* const ProxyPassword = "пароль:1";

// An HTTP proxy that asks for the proxy credentials and answers every request itself.
void ProxyRoutes(httplib::Server& server)
{
    const auto answer = [](const httplib::Request& request, httplib::Response& response) {
        const QByteArray credentials = QByteArray(ProxyUser).append(':').append(ProxyPassword);
        if (request.get_header_value("Proxy-Authorization") == "Basic " + credentials.toBase64().toStdString())
            response.set_content("via proxy", "text/plain");
        else
            response.status = 407;
    };
    server.Get(".*", answer);
    server.Post(".*", answer);
    // One request per connection, so the proxy can stop while the client lives on.
    server.set_keep_alive_max_count(1);
}

// A port on 127.0.0.1 that nothing listens on any more.
int ClosedPort()
{
    return LoopbackServer([](httplib::Server&) {}).Port();
}

}  // namespace

class JXInetTest : public ::testing::Test {
protected:
    ~JXInetTest() override { JXInet::SetLimitsForTests({}); }

    LoopbackServer origin_{OriginRoutes};
    JXInet inet_;
};

// A port on 127.0.0.1 whose listen queue is full: a further connection never completes.
class FullListenQueue {
public:
    FullListenQueue()
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener_, 0);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        // The queue of a backlog of 0 holds one connection; nobody accepts it.
        for (int& filler : fillers_) {
            filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            connect(filler, reinterpret_cast<sockaddr*>(&address), length);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~FullListenQueue()
    {
        for (int filler : fillers_)
            close(filler);
        close(listener_);
    }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    int listener_ = -1;
    int fillers_[2]{};
    int port_ = 0;
};

TEST_F(JXInetTest, GetKeepsTheBodyAsTextAndEncodesOnlyWhatAUrlCannotCarry)
{
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_EQ(inet_.GetText(), "Привет:{/splitCol}");
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello?user=Иван Петров;P;&pwd=a#b%41&ver=20"));
    const httplib::Request request = origin_.Requests().at(1);
    EXPECT_EQ(request.target, "/hello?user=%D0%98%D0%B2%D0%B0%D0%BD%20%D0%9F%D0%B5%D1%82%D1%80%D0%BE%D0%B2;P;"
                              "&pwd=a%23b%41&ver=20");
    EXPECT_EQ(request.get_param_value("user"), "Иван Петров;P;");
    EXPECT_EQ(request.get_param_value("ver"), "20");
}

TEST_F(JXInetTest, ErrorStatusAndNoConnectionAreFailuresThatLeaveNoAnswer)
{
    const std::string closed = "127.0.0.1:" + std::to_string(ClosedPort());
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_FALSE(inet_.Get(origin_.Host(), "missing"));
    EXPECT_EQ(inet_.GetText(), "") << "a failed GET leaves no text";
    EXPECT_FALSE(inet_.Get(origin_.Host(), "fail"));
    EXPECT_EQ(inet_.GetText(), "") << "the body of an error page is not the answer";
    EXPECT_FALSE(inet_.Get(closed, "hello"));

    std::string reply = "before";
    EXPECT_FALSE(inet_.Post(origin_.Host(), "missing", "a=1", reply));
    EXPECT_FALSE(inet_.Post(origin_.Host(), "fail", "a=1", reply));
    EXPECT_FALSE(inet_.Post(closed, "form", "a=1", reply));
    EXPECT_EQ(reply, "before");
    EXPECT_TRUE(inet_.Post(origin_.Host(), "form", "a=1", reply)) << "the object stays usable after failures";
    EXPECT_EQ(reply, "1 accepted");
}

TEST_F(JXInetTest, PostSendsTheBrowserHeadersAndTheFormAsWritten)
{
    std::string reply;
    const std::string table = "&Text=:{/splitCol};{/splitRow}date:team;01.05.2024:Zenit;";
    const std::string body = "title=Счёт 2+1&message=100% ok<br>line\r\n&addr=a@b.ru&pwd=x=y" + table;
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", body, reply));
    const httplib::Request request = origin_.Requests().at(0);
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.get_header_value("User-Agent"),
              "Mozilla/5.0 (Windows; U; Windows NT 5.1; ru; rv:1.8.1.9) Gecko/20071025 Firefox/2.0.0.9");
    EXPECT_EQ(request.get_header_value("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.get_header_value("Accept"),
              "text/xml,application/xml,application/xhtml+xml,text/html;q=0.9,text/plain;q=0.8,image/png,*/*;q=0.5");
    EXPECT_EQ(request.get_header_value("Accept-Language"), "en,en-us;q=0.8,de-de;q=0.5,de;q=0.3");
    EXPECT_EQ(request.get_header_value("Accept-Charset"), "ISO-8859-1,utf-8;q=0.7,*;q=0.7");
    EXPECT_EQ(request.get_header_value("Referer"), "kovral");
    EXPECT_EQ(request.body, "title=%D0%A1%D1%87%D1%91%D1%82%202%2B1&message=100%25%20ok<br>line%0D%0A"
                            "&addr=a@b.ru&pwd=x=y" + table);
    EXPECT_EQ(request.params.size(), 5u) << "& and = stay the caller's separators";
    EXPECT_EQ(request.get_param_value("title"), "Счёт 2+1");
    EXPECT_EQ(request.get_param_value("message"), "100% ok<br>line\r\n");
}

TEST_F(JXInetTest, PostFollowsRedirectsAndLaterRequestsKeepItsSettings)
{
    EXPECT_FALSE(inet_.Get(origin_.Host(), "moved")) << "a redirect not followed delivers no page";
    std::string reply;
    ASSERT_TRUE(inet_.Post(origin_.Host(), "moved", "a=1", reply));
    EXPECT_EQ(reply, "moved here");
    ASSERT_TRUE(inet_.Get(origin_.Host(), "moved"));
    EXPECT_EQ(inet_.GetText(), "moved here");
    const httplib::Request last = origin_.Requests().back();
    EXPECT_EQ(last.target, "/target");
    EXPECT_EQ(last.get_header_value("Referer"), "kovral");
}

TEST_F(JXInetTest, ProxyReceivesBothRequestsWithItsCredentialsUntilCleared)
{
    LoopbackServer proxy(ProxyRoutes);
    inet_.SetProxy("127.0.0.1", proxy.Port(), ProxyUser, ProxyPassword);
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_EQ(inet_.GetText(), "via proxy");
    std::string reply;
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", "a=1", reply));
    EXPECT_EQ(reply, "via proxy");
    const std::vector<httplib::Request> seen = proxy.Requests();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].target, "http://" + origin_.Host() + "/hello");
    EXPECT_EQ(seen[1].target, "http://" + origin_.Host() + "/form");
    EXPECT_EQ(seen[1].body, "a=1");
    EXPECT_TRUE(origin_.Requests().empty());

    inet_.ClearProxy();
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_EQ(inet_.GetText(), "Привет:{/splitCol}") << "after ClearProxy requests go direct";
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", "a=2", reply));
    EXPECT_EQ(proxy.Requests().size(), 2u);
    EXPECT_EQ(origin_.Requests().size(), 2u);
}

TEST_F(JXInetTest, ProxyPasswordTravelsAlsoWithoutAUserName)
{
    LoopbackServer proxy(ProxyRoutes);
    inet_.SetProxy("127.0.0.1", proxy.Port(), "", ProxyPassword);
    inet_.Get(origin_.Host(), "hello");
    ASSERT_EQ(proxy.Requests().size(), 1u);
    EXPECT_EQ(proxy.Requests()[0].get_header_value("Proxy-Authorization"),
              "Basic " + QByteArray(":").append(ProxyPassword).toBase64().toStdString());
}

TEST_F(JXInetTest, ProxyThatRefusesOrCannotBeReachedIsAFailure)
{
    LoopbackServer proxy(ProxyRoutes);
    inet_.SetProxy("127.0.0.1", proxy.Port(), ProxyUser, "wrong");
    EXPECT_FALSE(inet_.Get(origin_.Host(), "hello"));
    std::string reply = "before";
    EXPECT_FALSE(inet_.Post(origin_.Host(), "form", "a=1", reply));
    EXPECT_EQ(reply, "before");

    inet_.SetProxy("127.0.0.1", ClosedPort(), ProxyUser, ProxyPassword);
    EXPECT_FALSE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_TRUE(origin_.Requests().empty());
}

TEST_F(JXInetTest, LimitsEndASilentServerAStalledConnectAndAnEndlessReplyButNotASteadyOne)
{
    JXInet::SetLimitsForTests({std::chrono::milliseconds(300), std::chrono::milliseconds(300), 1 << 20});
    FullListenQueue full;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);
    const struct {
        std::string host, path;
        bool passes;
        bool waits;  // longer than the limits, so the message loop must have run meanwhile
    } cases[] = {
        {origin_.Host(), "silent", false, true},
        {full.Host(), "hello", false, true},
        {origin_.Host(), "endless", false, false},
        {origin_.Host(), "trickle", true, true},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.path + " on " + test.host);
        ticks = 0;
        EXPECT_EQ(inet_.Get(test.host, test.path), test.passes);
        EXPECT_EQ(inet_.GetText(), test.passes ? TrickleText : "");
        if (test.waits) {
            EXPECT_GT(ticks, 5) << "the message loop ran while the request waited";
        }
    }
}

TEST_F(JXInetTest, ReplyOfAHundredMegabytesPassesTheProgramsLimits)
{
    ASSERT_TRUE(inet_.Get(origin_.Host(), "large"));
    EXPECT_EQ(inet_.GetText().size(), size_t{100} << 20);
}
