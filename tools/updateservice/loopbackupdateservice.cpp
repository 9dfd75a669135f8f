#include "loopbackupdateservice.h"

#include <httplib.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

const std::string LoginPath = "/my_dev/kovral_update_v2/auth.php";
const std::string FilePattern = R"(/my_dev/kovral_update_v2/files_ver_ravend/(\d+)\.txt)";
const std::string MailPath = "/update/mail.php";
const std::string ExportPicksPath = "/my_dev/rff2/save_predict.php";
const std::string DayPicksPath = "/my_dev/rff/save_predict.php";
const std::string TextContent = "text/plain; charset=utf-8";

const std::string ReplyHead = ":{/splitCol};{/splitRow}";
const std::string ReplyColumns = "status:time_end:min_ver_file:db_ver_server;";

std::string ReplyText(const std::string& status, const std::string& timeEnd, int first, int last)
{
    return ReplyHead + ReplyColumns + status + ":" + timeEnd + ":" + std::to_string(first) + ":" +
           std::to_string(last) + ";";
}

// The whole text as a decimal number, or nothing.
std::optional<int> WholeNumber(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The client sends a path as the program built it, escaping only these bytes.
bool EscapedOnTheWire(unsigned char byte)
{
    return byte < 0x20 || byte >= 0x7F || byte == ' ' || byte == '#';
}

std::string OnTheWire(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string wire;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (EscapedOnTheWire(byte))
            wire += {'%', digits[byte >> 4], digits[byte & 15]};
        else
            wire += c;
    }
    return wire;
}

// Undoes the client's escapes of the bytes escaped(byte) names; in a path a "%" the
// client wrote itself stays as it is, while a form body carries it escaped.
std::string FromTheWire(const std::string& wire, bool (*escaped)(unsigned char) = EscapedOnTheWire)
{
    std::string text;
    text.reserve(wire.size());
    for (size_t i = 0; i < wire.size(); ++i) {
        if (wire[i] == '%' && i + 2 < wire.size()) {
            const int high = HexDigit(wire[i + 1]);
            const int low = HexDigit(wire[i + 2]);
            const auto byte = static_cast<unsigned char>(high * 16 + low);
            if (high >= 0 && low >= 0 && escaped(byte)) {
                text += static_cast<char>(byte);
                i += 2;
                continue;
            }
        }
        text += wire[i];
    }
    return text;
}

// The client puts the user name into the query with these replacements.
std::string EncodeUserName(const std::string& name)
{
    std::string encoded;
    for (const char c : name) {
        if (c == ' ')
            encoded += '_';
        else if (c == '+')
            encoded += ";P;";
        else if (c == '&')
            encoded += ";A;";
        else
            encoded += c;
    }
    return encoded;
}

std::string DecodeUserName(const std::string& sent)
{
    std::string name;
    for (size_t i = 0; i < sent.size(); ++i) {
        if (sent.compare(i, 3, ";P;") == 0) {
            name += '+';
            i += 2;
        } else if (sent.compare(i, 3, ";A;") == 0) {
            name += '&';
            i += 2;
        } else {
            name += sent[i] == '_' ? ' ' : sent[i];
        }
    }
    return name;
}

struct LoginFields {
    std::string user, pwd, ver, upd;  // as they arrived, escapes and all
};

// The password travels without any escaping and may hold "&", so the query is cut at
// the separators of the login template: the password reaches up to the last "&ver=".
std::optional<LoginFields> SplitLoginQuery(const std::string& query)
{
    const std::string userKey = "user=";
    const size_t keyLength = 5;  // "&pwd=", "&ver=", "&upd="
    if (query.rfind(userKey, 0) != 0)
        return std::nullopt;
    const size_t pwd = query.find("&pwd=");
    const size_t upd = query.rfind("&upd=");
    if (pwd == std::string::npos || upd == std::string::npos || upd < pwd + keyLength)
        return std::nullopt;
    const size_t ver = query.rfind("&ver=", upd);
    if (ver == std::string::npos || ver < pwd + keyLength || upd < ver + keyLength)
        return std::nullopt;
    return LoginFields{query.substr(userKey.size(), pwd - userKey.size()),
                       query.substr(pwd + keyLength, ver - pwd - keyLength),
                       query.substr(ver + keyLength, upd - ver - keyLength), query.substr(upd + keyLength)};
}

bool AnyByte(unsigned char)
{
    return true;
}

// The support form "title=...&message=...&addr=...&user=...&pwd=...": the subject, text
// and address arrive with "&" replaced, the user name and password as they stand, so
// each field reaches up to the next field's separator. Empty when the form differs.
std::map<std::string, std::string> SplitMailForm(const std::string& body)
{
    static const char* const fields[] = {"title", "message", "addr", "user", "pwd"};
    std::map<std::string, std::string> values;
    size_t start = 0;
    for (size_t i = 0; i < std::size(fields); ++i) {
        const std::string key = std::string(i == 0 ? "" : "&") + fields[i] + "=";
        if (body.compare(start, key.size(), key) != 0)
            return {};
        start += key.size();
        const bool last = i + 1 == std::size(fields);
        const size_t end = last ? body.size() : body.find(std::string("&") + fields[i + 1] + "=", start);
        if (end == std::string::npos)
            return {};
        values[fields[i]] = FromTheWire(body.substr(start, end - start), AnyByte);
        start = end;
    }
    return values;
}

// A form body as a web page reads it: fields split at every "&", each name from its
// value at the first "=", escapes undone. The pick uploads send one field, "Text".
std::map<std::string, std::string> SplitForm(const std::string& body)
{
    std::map<std::string, std::string> values;
    size_t start = 0;
    while (start <= body.size()) {
        const size_t end = std::min(body.find('&', start), body.size());
        const std::string field = body.substr(start, end - start);
        const size_t equals = field.find('=');
        if (!field.empty())
            values[FromTheWire(field.substr(0, equals), AnyByte)] =
                    equals == std::string::npos ? std::string() : FromTheWire(field.substr(equals + 1), AnyByte);
        start = end + 1;
    }
    return values;
}

std::string QueryOf(const httplib::Request& request)
{
    const size_t mark = request.target.find('?');
    return mark == std::string::npos ? std::string() : request.target.substr(mark + 1);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return bytes.str();
}

}  // namespace

LoopbackUpdateService::LoopbackUpdateService(UpdateServiceConfig config)
    : config_(std::move(config)), server_(std::make_unique<httplib::Server>())
{
    if (config_.timeEnd.find_first_of(":;") != std::string::npos)
        throw std::invalid_argument("the subscription end must not hold \":\" or \";\"");

    // Address reuse lets a port free itself quickly; port sharing (the library's default)
    // would let a second service on the same port answer half of the requests.
    server_->set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // A connection held open for the next request would hold up Stop for seconds.
    server_->set_keep_alive_max_count(1);
    server_->Get(LoginPath, [this](const httplib::Request& request, httplib::Response& response) {
        ReceivedRequest record{request.path, QueryOf(request), {}, 200};
        const std::string reply = AnswerLogin(record.query, record.values);
        Record(std::move(record));
        Send(response, reply);
    });
    server_->Get(FilePattern, [this](const httplib::Request& request, httplib::Response& response) {
        const std::optional<int> number = WholeNumber(request.matches[1]);
        if (number && std::to_string(*number) == request.matches[1].str())
            AnswerFile(*number, response);
        else
            response.status = 404;
        Record({request.path, QueryOf(request), {}, response.status});
    });
    // The web host's pages: each records the fields of its form and answers the reply set.
    // The body is read through the content reader, which the library does not cut at 8 KB
    // as it does a form body it reads itself: a web host takes larger forms.
    const auto webPage = [this](std::map<std::string, std::string> (*fields)(const std::string&)) {
        return [this, fields](const httplib::Request& request, httplib::Response& response,
                              const httplib::ContentReader& content) {
            std::string body;
            content([&](const char* data, size_t length) {
                body.append(data, length);
                return true;
            });
            Record({request.path, QueryOf(request), fields(body), 200});
            Send(response, CurrentSwitches().webReply);
        };
    };
    server_->Post(MailPath, webPage(SplitMailForm));
    server_->Post(ExportPicksPath, webPage(SplitForm));
    server_->Post(DayPicksPath, webPage(SplitForm));
    const auto notFound = [this](const httplib::Request& request, httplib::Response& response) {
        response.status = 404;
        Record({request.path, QueryOf(request), {}, response.status});
    };
    server_->Get(".*", notFound);
    server_->Post(".*", notFound);

    const std::string address = "127.0.0.1";
    if (config_.port == 0)
        port_ = server_->bind_to_any_port(address);
    else
        port_ = server_->bind_to_port(address, config_.port) ? config_.port : -1;
    if (port_ <= 0)
        throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(config_.port));

    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // A stop before the accept loop runs would be lost, and the thread never joined.
    while (!server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackUpdateService::~LoopbackUpdateService()
{
    Stop();
}

void LoopbackUpdateService::Stop()
{
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    stopping_.notify_all();
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

std::string LoopbackUpdateService::Host() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

std::vector<ReceivedRequest> LoopbackUpdateService::Requests() const
{
    const std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackUpdateService::ClearRequests()
{
    const std::lock_guard lock(mutex_);
    requests_.clear();
}

void LoopbackUpdateService::Record(ReceivedRequest request)
{
    const std::lock_guard lock(mutex_);
    requests_.push_back(std::move(request));
}

std::vector<int> LoopbackUpdateService::FileNumbers() const
{
    std::vector<int> numbers;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(config_.folder, error)) {
        const std::string name = entry.path().filename().string();
        const size_t dot = name.size() >= 4 ? name.size() - 4 : 0;
        if (name.compare(dot, std::string::npos, ".txt") != 0)
            continue;
        const std::optional<int> number = WholeNumber(name.substr(0, dot));
        // "007.txt" is not the file the client asks for as "7.txt".
        if (number && *number > 0 && std::to_string(*number) == name.substr(0, dot))
            numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void LoopbackUpdateService::HideFiles(std::set<int> numbers)
{
    const std::lock_guard lock(mutex_);
    switches_.hiddenFiles = std::move(numbers);
}

void LoopbackUpdateService::RefuseLogin(bool refuse)
{
    const std::lock_guard lock(mutex_);
    switches_.refuseLogin = refuse;
}

void LoopbackUpdateService::SetLoginReply(std::optional<std::string> text)
{
    const std::lock_guard lock(mutex_);
    switches_.loginReply = std::move(text);
}

void LoopbackUpdateService::SetWebReply(std::string text)
{
    const std::lock_guard lock(mutex_);
    switches_.webReply = std::move(text);
}

void LoopbackUpdateService::FailFileOnce(int number, FileFault fault)
{
    const std::lock_guard lock(mutex_);
    switches_.faults[number] = fault;
}

void LoopbackUpdateService::SetReplyPace(ReplyPace pace)
{
    const std::lock_guard lock(mutex_);
    switches_.pace = pace;
}

std::optional<FileFault> LoopbackUpdateService::TakeFault(int number)
{
    const std::lock_guard lock(mutex_);
    const auto found = switches_.faults.find(number);
    if (found == switches_.faults.end())
        return std::nullopt;
    const FileFault fault = found->second;
    switches_.faults.erase(found);
    return fault;
}

bool LoopbackUpdateService::Stopping() const
{
    const std::lock_guard lock(mutex_);
    return stopped_;
}

LoopbackUpdateService::Switches LoopbackUpdateService::CurrentSwitches() const
{
    const std::lock_guard lock(mutex_);
    return switches_;
}

std::string LoopbackUpdateService::AnswerLogin(const std::string& query,
                                               std::map<std::string, std::string>& values) const
{
    const std::optional<LoginFields> sent = SplitLoginQuery(query);
    if (sent) {
        values["user"] = DecodeUserName(FromTheWire(sent->user));
        values["pwd"] = FromTheWire(sent->pwd);
        values["ver"] = FromTheWire(sent->ver);
        values["upd"] = FromTheWire(sent->upd);
    }

    const Switches switches = CurrentSwitches();
    if (switches.loginReply)
        return *switches.loginReply;
    if (switches.refuseLogin || !sent || sent->user != OnTheWire(EncodeUserName(config_.user)) ||
        sent->pwd != OnTheWire(config_.password))
        return ReplyText("2", "", 0, 0);

    const std::vector<int> numbers = FileNumbers();
    const int last = numbers.empty() ? 0 : numbers.back();
    const std::optional<int> version = WholeNumber(values["ver"]);
    if (!version || *version < ProtocolVersion)
        return ReplyText("install_new_version", config_.timeEnd, 0, last);

    // A database that never took an update holds no number: it needs every file.
    const int current = WholeNumber(values["upd"]).value_or(0);
    const auto next = std::upper_bound(numbers.begin(), numbers.end(), current);
    if (next == numbers.end())
        return ReplyText("not_update", config_.timeEnd, 0, last);
    return ReplyText("update", config_.timeEnd, *next, last);
}

std::optional<std::string> LoopbackUpdateService::FileBody(int number) const
{
    if (CurrentSwitches().hiddenFiles.count(number))
        return std::nullopt;
    return ReadWholeFile(std::filesystem::path(config_.folder) / (std::to_string(number) + ".txt"));
}

void LoopbackUpdateService::AnswerFile(int number, httplib::Response& response)
{
    const std::optional<std::string> body = FileBody(number);
    if (!body) {
        response.status = 404;
        return;
    }
    const std::optional<FileFault> fault = TakeFault(number);
    if (fault == FileFault::Unavailable) {
        response.status = 503;
    } else if (fault == FileFault::Dropped) {
        // The length promises the whole file; the connection closes after half of it.
        response.set_content_provider(body->size(), TextContent,
                                      [half = body->substr(0, body->size() / 2)](size_t offset, size_t, httplib::DataSink& sink) {
                                          return offset == 0 && sink.write(half.data(), half.size());
                                      });
    } else {
        Send(response, *body);
    }
}

void LoopbackUpdateService::Send(httplib::Response& response, const std::string& body)
{
    switch (CurrentSwitches().pace) {
    case ReplyPace::Normal:
        response.set_content(body, TextContent);
        break;
    case ReplyPace::Never: {
        std::unique_lock lock(mutex_);
        stopping_.wait(lock, [this] { return stopped_; });
        break;
    }
    case ReplyPace::ByteByByte:
        response.set_chunked_content_provider(TextContent, [this, body](size_t offset, httplib::DataSink& sink) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (offset < body.size())
                return !Stopping() && sink.write(body.data() + offset, 1);
            sink.done();
            return true;
        });
        break;
    case ReplyPace::Endless:
        response.set_chunked_content_provider(TextContent, [this, body](size_t, httplib::DataSink& sink) {
            return !Stopping() && sink.write(body.data(), body.size());
        });
        break;
    }
}
