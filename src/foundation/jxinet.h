#pragma once

#include <chrono>
#include <cstddef>
#include <memory>

#include "platform/types.h"

struct curl_slist;

// What one request may take before it counts as failed.
struct JXInetLimits {
    std::chrono::milliseconds connect{15'000};
    // No byte sent or received for this long.
    std::chrono::milliseconds stall{30'000};
    // The largest reply body kept; an update file of 100 MB still fits.
    size_t replyBytes = size_t{128} << 20;
};

// The program's HTTP client: synchronous GET and form POST over plain HTTP, directly
// or through an HTTP proxy. Every failure (no connection, HTTP status 400 and above,
// an unfollowed redirect, proxy failure, a limit reached) is reported as false. While
// a request runs, the message loop keeps repainting the windows; user input waits.
class JXInet {
public:
    // Shorter limits for tests; JXInetLimits{} restores the program's.
    static void SetLimitsForTests(const JXInetLimits& limits);

    JXInet();
    ~JXInet();
    JXInet(const JXInet&) = delete;
    JXInet& operator=(const JXInet&) = delete;

    // GET of "http://" + host + "/" + path; the body is kept for GetText, the empty
    // text after a failure.
    bool Get(const AnsiString& host, const AnsiString& path);
    AnsiString GetText() const;
    // Form POST of body (name=value pairs joined by & as the caller wrote them). Sets
    // the browser-like headers and redirect following, which stay for later requests
    // of this object. A failure leaves reply as it was.
    bool Post(const AnsiString& host, const AnsiString& path, const AnsiString& body, AnsiString& reply);
    // The same for the one field name=value, value sent whole: its "&" and "=" (and every
    // other byte a form gives a meaning) are encoded once.
    bool PostValue(const AnsiString& host, const AnsiString& path, const AnsiString& name, const AnsiString& value,
                   AnsiString& reply);

    void SetProxy(const AnsiString& server, int port, const AnsiString& user, const AnsiString& password);
    void ClearProxy();

private:
    struct CurlCleanup {
        void operator()(void* handle) const;
    };
    struct HeaderListFree {
        void operator()(curl_slist* list) const;
    };
    struct MultiCleanup {
        void operator()(void* multi) const;
    };

    // Post of a form body already encoded for the wire.
    bool PostForm(const AnsiString& host, const AnsiString& path, const AnsiString& form, AnsiString& reply);
    bool Perform(const AnsiString& host, const AnsiString& path, AnsiString& body);
    // Runs the prepared request to its end; false on any failure or limit.
    bool Transfer(const JXInetLimits& limits);

    std::unique_ptr<void, CurlCleanup> http_;
    // Drives the request, so the message loop can run between its steps; it also keeps
    // the connections for the next request.
    std::unique_ptr<void, MultiCleanup> multi_;
    std::unique_ptr<curl_slist, HeaderListFree> headers_;
    AnsiString text_;
};
