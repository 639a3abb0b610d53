#include "support/silent_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

SilentServer::SilentServer() {
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    // Port 0: the system picks a free one, read back afterwards. The connections the
    // system accepts into the backlog are never taken, so they get no answer.
    if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::listen(socket_, 4) == 0 &&
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port_ = ntohs(address.sin_port);
    }
}

SilentServer::~SilentServer() {
    close();
}

void SilentServer::close() {
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
}
