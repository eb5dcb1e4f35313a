#pragma once

#include <httplib.h>

// A cpp-httplib server that accepts the request targets the client sends. The library refuses a
// target holding a second "?", which the client leaves as it is inside the texts of its statements
// ("... ça va ?"). Here each request line is read through a stream that escapes every "?" after
// the first one as "%3F"; the rest of the conversation (keep-alive included) is the library's.
class TolerantHttpServer : public httplib::Server {
private:
    bool process_and_close_socket(socket_t sock) override;
};
