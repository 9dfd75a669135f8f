#include "foundation/jxinet.h"

#include "platform/application.h"

#include <curl/curl.h>

#include <cstdio>
#include <mutex>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

// How often the message loop runs while a request waits for the network.
constexpr int PaintIntervalMs = 40;

JXInetLimits& Limits()
{
    static JXInetLimits limits;
    return limits;
}

constexpr const char* PostHeaders[] = {
    "User-Agent: Mozilla/5.0 (Windows; U; Windows NT 5.1; ru; rv:1.8.1.9) Gecko/20071025 Firefox/2.0.0.9",
    "Content-Type: application/x-www-form-urlencoded",
    "Accept: text/xml,application/xml,application/xhtml+xml,text/html;q=0.9,text/plain;q=0.8,image/png,*/*;q=0.5",
    "Accept-Language: en,en-us;q=0.8,de-de;q=0.5,de;q=0.3",
    "Accept-Charset: ISO-8859-1,utf-8;q=0.7,*;q=0.7",
    "Referer: kovral",
    // curl would otherwise wait for "100 Continue" before sending a large body.
    "Expect:",
};

constexpr long MaxRedirects = 15;

bool IsControlOrNonAscii(unsigned char byte)
{
    return byte < 0x20 || byte >= 0x7F;
}

// A path is sent as the program built it, except the bytes a URL cannot carry.
bool UrlCannotCarry(unsigned char byte)
{
    return IsControlOrNonAscii(byte) || byte == ' ' || byte == '#';
}

// "&" and "=" stay the separators the caller wrote; "%" and "+" would be read as
// escapes, so they are encoded with the bytes a form cannot carry at all.
bool FormCannotCarry(unsigned char byte)
{
    return IsControlOrNonAscii(byte) || byte == ' ' || byte == '%' || byte == '+';
}

// Inside one field's value the separators are text too.
bool ValueCannotCarry(unsigned char byte)
{
    return FormCannotCarry(byte) || byte == '&' || byte == '=';
}

AnsiString PercentEncode(const AnsiString& text, bool (*mustEncode)(unsigned char))
{
    AnsiString encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (mustEncode(byte)) {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", byte);
            encoded += escape;
        } else {
            encoded += c;
        }
    }
    return encoded;
}

// The body of a reply, up to a limit: a reply that goes on past it fails, so an endless
// one cannot take all memory.
struct ReplyBody {
    AnsiString& text;
    size_t limit;
};

size_t CollectBody(char* data, size_t size, size_t count, void* reply)
{
    auto& body = *static_cast<ReplyBody*>(reply);
    const size_t bytes = size * count;
    if (bytes > body.limit - body.text.size())
        return 0;  // curl ends the request with a write error
    body.text.append(data, bytes);
    return bytes;
}

// Every byte of the request so far, either way, headers included.
curl_off_t BytesMoved(CURL* handle)
{
    curl_off_t received = 0;
    curl_off_t sent = 0;
    long headers = 0;
    curl_easy_getinfo(handle, CURLINFO_SIZE_DOWNLOAD_T, &received);
    curl_easy_getinfo(handle, CURLINFO_SIZE_UPLOAD_T, &sent);
    curl_easy_getinfo(handle, CURLINFO_HEADER_SIZE, &headers);
    return received + sent + headers;
}

// The easy handle belongs to the multi handle for one request.
class AddedHandle {
public:
    AddedHandle(CURLM* multi, CURL* handle)
        : multi_(multi), handle_(handle), added_(curl_multi_add_handle(multi, handle) == CURLM_OK)
    {
    }
    ~AddedHandle()
    {
        if (added_)
            curl_multi_remove_handle(multi_, handle_);
    }
    AddedHandle(const AddedHandle&) = delete;
    AddedHandle& operator=(const AddedHandle&) = delete;
    bool Added() const { return added_; }

private:
    CURLM* multi_;
    CURL* handle_;
    bool added_;
};

CURL* NewHandle()
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* handle = curl_easy_init();
    if (!handle)
        throw std::runtime_error("curl_easy_init failed");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http");
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, MaxRedirects);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, CollectBody);
    // Only the program's proxy setting counts, never the environment's.
    curl_easy_setopt(handle, CURLOPT_NOPROXY, "");
    return handle;
}

CURLM* NewMulti()
{
    CURLM* multi = curl_multi_init();
    if (!multi)
        throw std::runtime_error("curl_multi_init failed");
    return multi;
}

}  // namespace

void JXInet::SetLimitsForTests(const JXInetLimits& limits)
{
    Limits() = limits;
}

void JXInet::CurlCleanup::operator()(void* handle) const
{
    curl_easy_cleanup(handle);
}

void JXInet::HeaderListFree::operator()(curl_slist* list) const
{
    curl_slist_free_all(list);
}

void JXInet::MultiCleanup::operator()(void* multi) const
{
    curl_multi_cleanup(multi);
}

JXInet::JXInet() : http_(NewHandle()), multi_(NewMulti())
{
    ClearProxy();
}

JXInet::~JXInet() = default;

bool JXInet::Get(const AnsiString& host, const AnsiString& path)
{
    curl_easy_setopt(http_.get(), CURLOPT_HTTPGET, 1L);
    AnsiString body;
    const bool ok = Perform(host, path, body);
    text_ = ok ? std::move(body) : AnsiString();
    return ok;
}

AnsiString JXInet::GetText() const
{
    return text_;
}

bool JXInet::Post(const AnsiString& host, const AnsiString& path, const AnsiString& body, AnsiString& reply)
{
    return PostForm(host, path, PercentEncode(body, FormCannotCarry), reply);
}

bool JXInet::PostValue(const AnsiString& host, const AnsiString& path, const AnsiString& name,
                       const AnsiString& value, AnsiString& reply)
{
    return PostForm(host, path, name + "=" + PercentEncode(value, ValueCannotCarry), reply);
}

bool JXInet::PostForm(const AnsiString& host, const AnsiString& path, const AnsiString& form, AnsiString& reply)
{
    if (!headers_) {
        curl_slist* list = nullptr;
        for (const char* header : PostHeaders)
            list = curl_slist_append(list, header);
        headers_.reset(list);
    }
    CURL* handle = http_.get();
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers_.get());
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(form.size()));
    curl_easy_setopt(handle, CURLOPT_COPYPOSTFIELDS, form.c_str());
    AnsiString received;
    if (!Perform(host, path, received))
        return false;
    reply = received;
    return true;
}

void JXInet::SetProxy(const AnsiString& server, int port, const AnsiString& user, const AnsiString& password)
{
    CURL* handle = http_.get();
    // An empty server means a direct connection.
    curl_easy_setopt(handle, CURLOPT_PROXY, server.c_str());
    curl_easy_setopt(handle, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
    curl_easy_setopt(handle, CURLOPT_PROXYPORT, static_cast<long>(port));
    // A proxy may know a password without a user name.
    const bool credentials = !user.empty() || !password.empty();
    curl_easy_setopt(handle, CURLOPT_PROXYUSERNAME, credentials ? user.c_str() : nullptr);
    curl_easy_setopt(handle, CURLOPT_PROXYPASSWORD, credentials ? password.c_str() : nullptr);
}

void JXInet::ClearProxy()
{
    SetProxy("", 0, "", "");
}

bool JXInet::Perform(const AnsiString& host, const AnsiString& path, AnsiString& body)
{
    CURL* handle = http_.get();
    const AnsiString url = "http://" + host + "/" + PercentEncode(path, UrlCannotCarry);
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    const JXInetLimits limits = Limits();
    ReplyBody reply{body, limits.replyBytes};
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reply);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    if (!Transfer(limits))
        return false;
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    // A redirect that is not followed has not delivered the page either.
    return status >= 200 && status < 300;
}

bool JXInet::Transfer(const JXInetLimits& limits)
{
    CURLM* multi = multi_.get();
    CURL* handle = http_.get();
    const AddedHandle added(multi, handle);
    if (!added.Added())
        return false;
    curl_off_t lastBytes = -1;
    Clock::time_point lastMove = Clock::now();
    for (int running = 1;;) {
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            return false;
        if (running == 0)
            break;
        const curl_off_t bytes = BytesMoved(handle);
        if (bytes != lastBytes) {
            lastBytes = bytes;
            lastMove = Clock::now();
        } else if (Clock::now() - lastMove > limits.stall) {
            return false;
        }
        curl_multi_poll(multi, nullptr, 0, PaintIntervalMs, nullptr);
        ProcessMessagesExceptInput();
    }
    CURLcode result = CURLE_RECV_ERROR;
    int queued = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi, &queued))
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    return result == CURLE_OK;
}
