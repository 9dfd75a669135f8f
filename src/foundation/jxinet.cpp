#include "foundation/jxinet.h"

#include <curl/curl.h>

#include <cstdio>
#include <mutex>
#include <stdexcept>

namespace {

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

size_t CollectBody(char* data, size_t size, size_t count, void* body)
{
    static_cast<AnsiString*>(body)->append(data, size * count);
    return size * count;
}

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

}  // namespace

void JXInet::CurlCleanup::operator()(void* handle) const
{
    curl_easy_cleanup(handle);
}

void JXInet::HeaderListFree::operator()(curl_slist* list) const
{
    curl_slist_free_all(list);
}

JXInet::JXInet() : http_(NewHandle())
{
    ClearProxy();
}

JXInet::~JXInet() = default;

bool JXInet::Get(const AnsiString& host, const AnsiString& path)
{
    curl_easy_setopt(http_.get(), CURLOPT_HTTPGET, 1L);
    AnsiString body;
    const bool ok = Perform(host, path, body);
    text_ = ok ? body : AnsiString();
    return ok;
}

AnsiString JXInet::GetText() const
{
    return text_;
}

bool JXInet::Post(const AnsiString& host, const AnsiString& path, const AnsiString& body, AnsiString& reply)
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
    const AnsiString form = PercentEncode(body, FormCannotCarry);
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
    curl_easy_setopt(handle, CURLOPT_PROXYUSERNAME, user.empty() ? nullptr : user.c_str());
    curl_easy_setopt(handle, CURLOPT_PROXYPASSWORD, user.empty() ? nullptr : password.c_str());
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
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    if (curl_easy_perform(handle) != CURLE_OK)
        return false;
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    // A redirect that is not followed has not delivered the page either.
    return status >= 200 && status < 300;
}
