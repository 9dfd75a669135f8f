#include "foundation/jxinet.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// What a server saw of one request.
struct Received {
    std::string method;
    std::string target;
    httplib::Headers headers;
    std::string body;
    httplib::Params params;

    std::string Header(const std::string& name) const
    {
        const auto found = headers.find(name);
        return found == headers.end() ? std::string() : found->second;
    }
};

// An HTTP server on 127.0.0.1 with a free port, serving from its own thread and
// recording every request it answers.
class LoopbackServer {
public:
    explicit LoopbackServer(const std::function<void(httplib::Server&, LoopbackServer&)>& routes)
    {
        routes(server_, *this);
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

    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
    int Port() const { return port_; }

    void Record(const httplib::Request& request)
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back({request.method, request.target, request.headers, request.body, request.params});
    }
    std::vector<Received> Requests() const
    {
        const std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<Received> requests_;
};

// The update host as the tests play it.
void OriginRoutes(httplib::Server& server, LoopbackServer& self)
{
    server.Get("/hello", [&self](const httplib::Request& request, httplib::Response& response) {
        self.Record(request);
        response.set_content("Привет:{/splitCol}", "text/plain");
    });
    server.Get("/echo", [&self](const httplib::Request& request, httplib::Response& response) {
        self.Record(request);
        response.set_content(request.target, "text/plain");
    });
    server.Get("/fail", [](const httplib::Request&, httplib::Response& response) {
        response.status = 500;
        response.set_content("server error page", "text/plain");
    });
    server.Post("/fail", [](const httplib::Request&, httplib::Response& response) { response.status = 500; });
    server.Post("/form", [&self](const httplib::Request& request, httplib::Response& response) {
        self.Record(request);
        response.set_content("1 accepted", "text/plain");
    });
    const auto moved = [&self](const httplib::Request& request, httplib::Response& response) {
        self.Record(request);
        response.set_redirect("/target");
    };
    server.Get("/moved", moved);
    server.Post("/moved", moved);
    server.Get("/target", [&self](const httplib::Request& request, httplib::Response& response) {
        self.Record(request);
        response.set_content("moved here", "text/plain");
    });
}

const char* const ProxyUser = "proxy user";
const char* const ProxyPassword = "пароль:1";

// A forwarding HTTP proxy that asks for the proxy credentials.
void ProxyRoutes(httplib::Server& server, LoopbackServer& self)
{
    const auto forward = [&self](const httplib::Request& request, httplib::Response& response) {
        self.Record(request);
        const std::string expected = "Basic " + QByteArray(ProxyUser).append(':').append(ProxyPassword).toBase64().toStdString();
        if (request.get_header_value("Proxy-Authorization") != expected) {
            response.status = 407;
            return;
        }
        const std::string prefix = "http://";
        const size_t pathStart = request.target.find('/', prefix.size());
        if (request.target.rfind(prefix, 0) != 0 || pathStart == std::string::npos) {
            response.status = 400;
            return;
        }
        httplib::Client origin("http://" + request.target.substr(prefix.size(), pathStart - prefix.size()));
        const std::string path = request.target.substr(pathStart);
        const httplib::Result result = request.method == "POST"
            ? origin.Post(path.c_str(), request.body, request.get_header_value("Content-Type").c_str())
            : origin.Get(path.c_str());
        if (!result) {
            response.status = 502;
            return;
        }
        response.status = result->status;
        response.set_content(result->body, "text/plain");
    };
    server.Get(".*", forward);
    server.Post(".*", forward);
    // One request per connection, so the proxy can stop while the client lives on.
    server.set_keep_alive_max_count(1);
}

// A port on 127.0.0.1 that nothing listens on: bound once to learn a free number, then closed.
int ClosedPort()
{
    const int socketId = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    const bool bound = bind(socketId, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                       getsockname(socketId, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    close(socketId);
    if (!bound)
        throw std::runtime_error("no free port on 127.0.0.1");
    return ntohs(address.sin_port);
}

}  // namespace

class JXInetTest : public ::testing::Test {
protected:
    LoopbackServer origin_{OriginRoutes};
    JXInet inet_;
};

TEST_F(JXInetTest, GetKeepsTheBodyAsText)
{
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_EQ(inet_.GetText(), "Привет:{/splitCol}");
    ASSERT_EQ(origin_.Requests().size(), 1u);
    EXPECT_EQ(origin_.Requests()[0].target, "/hello");
}

TEST_F(JXInetTest, PathIsSentAsBuiltWithOnlyTheBytesAUrlCannotCarryEncoded)
{
    ASSERT_TRUE(inet_.Get(origin_.Host(), "echo?user=Иван Петров;P;&pwd=a#b%41&ver=20"));
    EXPECT_EQ(inet_.GetText(), "/echo?user=%D0%98%D0%B2%D0%B0%D0%BD%20%D0%9F%D0%B5%D1%82%D1%80%D0%BE%D0%B2;P;"
                               "&pwd=a%23b%41&ver=20");
    const Received request = origin_.Requests().at(0);
    EXPECT_EQ(request.params.find("user")->second, "Иван Петров;P;");
    EXPECT_EQ(request.params.find("ver")->second, "20");
}

TEST_F(JXInetTest, ErrorStatusAndNoConnectionAreFailures)
{
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_FALSE(inet_.Get(origin_.Host(), "missing"));
    EXPECT_EQ(inet_.GetText(), "") << "a failed GET leaves no text";
    EXPECT_FALSE(inet_.Get(origin_.Host(), "fail"));
    EXPECT_EQ(inet_.GetText(), "") << "the body of an error page is not the answer";
    EXPECT_FALSE(inet_.Get("127.0.0.1:" + std::to_string(ClosedPort()), "hello"));
    EXPECT_TRUE(inet_.Get(origin_.Host(), "hello")) << "the object stays usable after failures";
}

TEST_F(JXInetTest, FailedPostLeavesTheReplyAsItWas)
{
    std::string reply = "before";
    EXPECT_FALSE(inet_.Post(origin_.Host(), "missing", "a=1", reply));
    EXPECT_FALSE(inet_.Post(origin_.Host(), "fail", "a=1", reply));
    EXPECT_FALSE(inet_.Post("127.0.0.1:" + std::to_string(ClosedPort()), "form", "a=1", reply));
    EXPECT_EQ(reply, "before");
    EXPECT_TRUE(inet_.Post(origin_.Host(), "form", "a=1", reply));
    EXPECT_EQ(reply, "1 accepted");
}

TEST_F(JXInetTest, PostSendsTheBrowserHeadersAndTheFormAsWritten)
{
    std::string reply;
    const std::string body = "title=Счёт 2+1&message=100% ok<br>line\r\n&addr=a@b.ru&pwd=x=y";
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", body, reply));
    const Received request = origin_.Requests().at(0);
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.Header("User-Agent"),
              "Mozilla/5.0 (Windows; U; Windows NT 5.1; ru; rv:1.8.1.9) Gecko/20071025 Firefox/2.0.0.9");
    EXPECT_EQ(request.Header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.Header("Accept"),
              "text/xml,application/xml,application/xhtml+xml,text/html;q=0.9,text/plain;q=0.8,image/png,*/*;q=0.5");
    EXPECT_EQ(request.Header("Accept-Language"), "en,en-us;q=0.8,de-de;q=0.5,de;q=0.3");
    EXPECT_EQ(request.Header("Accept-Charset"), "ISO-8859-1,utf-8;q=0.7,*;q=0.7");
    EXPECT_EQ(request.Header("Referer"), "kovral");
    EXPECT_EQ(request.body, "title=%D0%A1%D1%87%D1%91%D1%82%202%2B1&message=100%25%20ok<br>line%0D%0A"
                            "&addr=a@b.ru&pwd=x=y");
    EXPECT_EQ(request.params.size(), 4u) << "& and = stay the caller's separators";
    EXPECT_EQ(request.params.find("title")->second, "Счёт 2+1");
    EXPECT_EQ(request.params.find("message")->second, "100% ok<br>line\r\n");
}

TEST_F(JXInetTest, TextTableBodyPassesUnchanged)
{
    std::string reply;
    const std::string body = "Text=:{/splitCol};{/splitRow}date:team;01.05.2024:Zenit;";
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", body, reply));
    EXPECT_EQ(origin_.Requests().at(0).body, body);
}

TEST_F(JXInetTest, PostFollowsRedirectsAndLaterRequestsKeepItsSettings)
{
    EXPECT_FALSE(inet_.Get(origin_.Host(), "moved")) << "a redirect not followed delivers no page";

    std::string reply;
    ASSERT_TRUE(inet_.Post(origin_.Host(), "moved", "a=1", reply));
    EXPECT_EQ(reply, "moved here");

    ASSERT_TRUE(inet_.Get(origin_.Host(), "moved"));
    EXPECT_EQ(inet_.GetText(), "moved here");
    const Received last = origin_.Requests().back();
    EXPECT_EQ(last.target, "/target");
    EXPECT_EQ(last.Header("Referer"), "kovral");
}

TEST_F(JXInetTest, ProxyReceivesBothRequestsWithItsCredentialsUntilCleared)
{
    LoopbackServer proxy(ProxyRoutes);
    inet_.SetProxy("127.0.0.1", proxy.Port(), ProxyUser, ProxyPassword);
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    EXPECT_EQ(inet_.GetText(), "Привет:{/splitCol}");
    std::string reply;
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", "a=1", reply));
    EXPECT_EQ(reply, "1 accepted");
    std::vector<Received> seen = proxy.Requests();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].target, "http://" + origin_.Host() + "/hello");
    EXPECT_EQ(seen[1].target, "http://" + origin_.Host() + "/form");
    EXPECT_EQ(seen[1].body, "a=1");

    inet_.ClearProxy();
    ASSERT_TRUE(inet_.Get(origin_.Host(), "hello"));
    ASSERT_TRUE(inet_.Post(origin_.Host(), "form", "a=2", reply));
    EXPECT_EQ(proxy.Requests().size(), 2u) << "after ClearProxy requests go direct";
    EXPECT_EQ(origin_.Requests().size(), 4u);
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
