#pragma once

#include <memory>

#include "platform/types.h"

struct curl_slist;

// The program's HTTP client: synchronous GET and form POST over plain HTTP, directly
// or through an HTTP proxy. Every failure (no connection, HTTP status 400 and above,
// an unfollowed redirect, proxy failure) is reported as false.
class JXInet {
public:
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

    void SetProxy(const AnsiString& server, int port, const AnsiString& user, const AnsiString& password);
    void ClearProxy();

private:
    struct CurlCleanup {
        void operator()(void* handle) const;
    };
    struct HeaderListFree {
        void operator()(curl_slist* list) const;
    };

    bool Perform(const AnsiString& host, const AnsiString& path, AnsiString& body);

    std::unique_ptr<void, CurlCleanup> http_;
    std::unique_ptr<curl_slist, HeaderListFree> headers_;
    AnsiString text_;
};
