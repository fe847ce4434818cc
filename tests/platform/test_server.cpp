#include "tests/platform/test_server.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vxtest {

bool TestServer::Start(const std::string& folder, const std::string& cert,
                       const std::string& key) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    const std::string script = std::string(VX_SOURCE_DIR) + "/tests/platform/test_server.py";
    m_pid = fork();
    if (m_pid == 0) {
        // The server dies with the test, and holds none of the test's output
        // streams: an orphan holding them would keep ctest waiting.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, STDERR_FILENO);
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        if (cert.empty())
            execlp("python3", "python3", script.c_str(), folder.c_str(), (char*)nullptr);
        else
            execlp("python3", "python3", script.c_str(), folder.c_str(), cert.c_str(), key.c_str(),
                   (char*)nullptr);
        _exit(127);
    }
    close(pipeEnds[1]);
    // The server prints its port once it listens.
    FILE* out = fdopen(pipeEnds[0], "r");
    if (!out || m_pid < 0 || std::fscanf(out, "%d", &m_port) != 1) m_port = 0;
    if (out) std::fclose(out);
    m_tls = !cert.empty();
    return m_port > 0;
}

void TestServer::Stop() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

std::string TestServer::Url(const std::string& path) const {
    return std::string(m_tls ? "https" : "http") + "://127.0.0.1:" + std::to_string(m_port) + path;
}

bool MakeTestCertificates(const std::string& folder) {
    const std::string f = folder;
    const std::string commands =
        "cd '" + f + "' && "
        "openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 "
        "-subj '/CN=Vextora Test CA' && "
        "openssl req -newkey rsa:2048 -nodes -keyout server.key -out server.csr "
        "-subj '/CN=127.0.0.1' && "
        "printf 'subjectAltName=IP:127.0.0.1\\n' > san.ext && "
        "openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial "
        "-out server.pem -days 2 -extfile san.ext";
    return std::system(("(" + commands + ") >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace vxtest
