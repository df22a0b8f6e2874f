#include "DataFile.h"
#include "Options.h"
#include "SiteRoutes.h"
#include "SiteSetup.h"
#include "StopWatcher.h"

#include <csignal>
#include <cstdio>
#include <httplib.h>
#include <iostream>

namespace {

constexpr const char* host = "127.0.0.1";

// The bound port, or -1.
int bind(httplib::Server& server, int port)
{
    if (port == 0) {
        return server.bind_to_any_port(host);
    }
    return server.bind_to_port(host, port) ? port : -1;
}

void configure(httplib::Server& server)
{
    // Short waits on idle and slow connections keep a stop prompt: the server
    // finishes the connections it holds before it returns.
    server.set_keep_alive_timeout(1);
    server.set_read_timeout(2);
    server.set_payload_max_length(8 * 1024 * 1024);
    server.set_default_headers({{"Cache-Control", "no-store"}});
}

void announce(int port, const sitesim::SiteData& data)
{
    std::cout << "listening on http://" << host << ':' << port << std::endl;
    std::cout << "account: " << data.account.email << std::endl;
    std::cout << "password: " << data.account.password << std::endl;
    std::cout << "friends: " << data.friends.size() << std::endl;
}

int run(const sitesim::Options& options)
{
    sitesim::StopWatcher::blockStopSignals();
    std::signal(SIGPIPE, SIG_IGN);
    httplib::Server server;
    configure(server);
    const int port = bind(server, options.port);
    if (port < 0) {
        std::cerr << "sitesim: cannot listen on " << host << ':' << options.port << '\n';
        return 1;
    }
    const std::string origin = "http://" + std::string(host) + ':' + std::to_string(port);
    sitesim::SiteData data;
    try {
        data = sitesim::buildSiteData(options, origin);
    } catch (const sitesim::DataFileError& error) {
        std::cerr << "sitesim: " << error.what() << '\n';
        return 2;
    }
    announce(port, data);
    sitesim::SiteRoutes routes(std::move(data),
                               {options.delayMs, options.loginFails, options.frames});
    routes.install(server);
    sitesim::StopWatcher watcher(server, options.exitAfterSeconds);
    server.listen_after_bind();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const auto parsed = sitesim::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "sitesim: " << parsed.error << "\nTry sitesim --help.\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << sitesim::usageText();
        return 0;
    }
    return run(parsed.options);
}
