#pragma once

// Listens on a local TCP port and never answers: a server that takes the connection and
// then hangs.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    // 0 when no port could be had.
    int port() const { return port_; }
    // Stops listening, which drops the waiting connections too.
    void close();

private:
    int socket_ = -1;
    int port_ = 0;
};
