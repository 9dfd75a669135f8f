#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Response;
}

struct UpdateServiceConfig {
    std::string folder;    // instruction files named N.txt
    std::string user;      // the account the service accepts, as the user typed it
    std::string password;
    int port = 0;          // 0: any free port
    std::string timeEnd = "31.12.2099";  // end of the subscription, shown by the client
};

// One request as the service received it.
struct ReceivedRequest {
    std::string path;   // decoded path, e.g. "/my_dev/kovral_update_v2/auth.php"
    std::string query;  // the query text exactly as it arrived
    // Login requests: "user", "pwd", "ver" and "upd", decoded as the client encodes them
    // (percent escapes; in the user name "_" back to a blank, ";P;" to "+", ";A;" to "&").
    // Support messages: "title", "message", "addr", "user" and "pwd" of the form body,
    // percent escapes undone; pick uploads: every field of the form body ("Text"), read
    // as a web page reads a form.
    std::map<std::string, std::string> values;
    int status = 0;     // HTTP status answered
};

// A fault the service plays once for one file.
enum class FileFault {
    Unavailable,  // HTTP 503
    Dropped,      // the connection ends halfway through the file
};

// How the service sends every reply.
enum class ReplyPace {
    Normal,
    Never,       // the request is taken and never answered
    ByteByByte,  // one byte every 10 ms
    Endless,     // the reply never ends
};

// The update service on 127.0.0.1: answers the login with the text-table reply computed
// from the data version the client sends and the numbered instruction files of a folder,
// and serves those files. It also plays the web host: the support message page and the
// pick upload answer with a reply the test sets. It listens from construction to destruction on a thread of
// its own, and records every request so tests can check what the client sent.
class LoopbackUpdateService {
public:
    static constexpr int ProtocolVersion = 20;

    // Raises std::runtime_error when the port cannot be bound.
    explicit LoopbackUpdateService(UpdateServiceConfig config);
    ~LoopbackUpdateService();
    LoopbackUpdateService(const LoopbackUpdateService&) = delete;
    LoopbackUpdateService& operator=(const LoopbackUpdateService&) = delete;

    int Port() const { return port_; }
    // "127.0.0.1:port", as the client's host setting takes it.
    std::string Host() const;

    std::vector<ReceivedRequest> Requests() const;
    void ClearRequests();

    // Numbers of the instruction files the folder holds, rising.
    std::vector<int> FileNumbers() const;

    // Test switches, safe to change while clients talk to the service.
    // Files answered with 404, though the login reply still counts them.
    void HideFiles(std::set<int> numbers);
    // Every login is refused, whatever the account.
    void RefuseLogin(bool refuse);
    // The login is answered with this text as it stands (std::nullopt: the computed reply).
    void SetLoginReply(std::optional<std::string> text);
    // The next request for the file gets the fault; later ones are answered as usual.
    void FailFileOnce(int number, FileFault fault);
    void SetReplyPace(ReplyPace pace);
    // The web host's pages answer with this text ("1" until set).
    void SetWebReply(std::string text);

private:
    struct Switches {
        std::set<int> hiddenFiles;
        bool refuseLogin = false;
        std::optional<std::string> loginReply;
        std::map<int, FileFault> faults;
        ReplyPace pace = ReplyPace::Normal;
        std::string webReply = "1";
    };

    // The reply text for a login query; fills values with what the client sent, decoded.
    std::string AnswerLogin(const std::string& query, std::map<std::string, std::string>& values) const;
    std::optional<std::string> FileBody(int number) const;
    // Sends body at the pace the switches set.
    void Send(httplib::Response& response, const std::string& body);
    // Status and body of a file request, a fault for it taken and spent.
    void AnswerFile(int number, httplib::Response& response);
    std::optional<FileFault> TakeFault(int number);
    Switches CurrentSwitches() const;
    bool Stopping() const;
    void Record(ReceivedRequest request);
    void Stop();

    const UpdateServiceConfig config_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable stopping_;
    bool stopped_ = false;
    Switches switches_;
    std::vector<ReceivedRequest> requests_;
};
