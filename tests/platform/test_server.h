#pragma once
// Runs tests/platform/test_server.py on 127.0.0.1 for the length of a test
// suite: a real web server (optionally TLS) for the download tests.
#include <string>
#include <sys/types.h>

namespace vxtest {

class TestServer {
public:
    // Serves folder; with a certificate and key it speaks https.
    bool Start(const std::string& folder, const std::string& cert = "",
               const std::string& key = "");
    void Stop();
    ~TestServer() { Stop(); }

    // "http://127.0.0.1:<port>" (or https) followed by path.
    std::string Url(const std::string& path) const;

private:
    pid_t m_pid = -1;
    int m_port = 0;
    bool m_tls = false;
};

// A certificate authority and a server certificate for 127.0.0.1, made with
// openssl in folder: ca.pem, server.pem, server.key. False when openssl failed.
bool MakeTestCertificates(const std::string& folder);

}  // namespace vxtest
