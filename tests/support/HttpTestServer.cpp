// A loopback HTTP server for tests, run as a python3 script.
#include "support/HttpTestServer.h"

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "platform/Http.h"
#include "support/TestSupport.h"

namespace testsupport {
namespace {

constexpr const char* kScript = R"PY(
import base64, http.server, os, sys, threading, time, urllib.parse

root, port_file = sys.argv[1], sys.argv[2]
files = os.path.join(root, "files")
log_lock = threading.Lock()

class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def record(self):
        fields = [self.command + " " + self.path,
                  self.headers.get("Authorization", ""),
                  self.headers.get("Cache-Control", ""),
                  self.headers.get("User-Agent", ""),
                  self.headers.get("Content-Type", "")]
        with log_lock, open(os.path.join(root, "requests.log"), "a") as f:
            f.write("|".join(fields) + "\n")

    def send_body(self, code, body, length=True, pace=0, announce=None, stall=None, gap=1):
        self.send_response(code)
        if length:
            self.send_header("Content-Length", str(len(body) if announce is None else announce))
        self.end_headers()
        if self.command == "HEAD":
            return
        try:
            if stall is not None:
                # Part of the body, then silence with the connection held open.
                self.wfile.write(body[:stall])
                self.wfile.flush()
                time.sleep(60)
                return
            if not pace:
                self.wfile.write(body)
                return
            for at in range(0, len(body), pace):
                self.wfile.write(body[at:at + pace])
                self.wfile.flush()
                time.sleep(0.1 * gap)
        except OSError:
            pass  # the client gave up

    def setting(self, kind, name):
        path = os.path.join(root, kind, name.replace("/", "_"))
        if not os.path.isfile(path):
            return None
        with open(path) as f:
            return int(f.read())

    def read_file(self, name):
        path = os.path.join(files, name)
        if not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def do_GET(self):
        self.record()
        p = urllib.parse.unquote(self.path)
        if p == "/__quit":
            self.send_body(200, b"bye")
            threading.Thread(target=self.server.shutdown).start()
            return
        if p.startswith("/status/"):
            self.send_body(int(p[len("/status/"):]), b"<html>error page</html>")
            return
        if p.startswith("/auth/"):
            expected = "Basic " + base64.b64encode(b"user:wqzb").decode()
            if self.headers.get("Authorization", "") != expected:
                self.send_response(401)
                self.send_header("WWW-Authenticate", 'Basic realm="downloads"')
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            p = "/files/" + p[len("/auth/"):]
        no_length = p.startswith("/nolength/")
        if p.startswith("/files/") or no_length:
            name = p.split("/", 2)[2] if p.count("/") >= 2 else ""
        else:
            # The game's own paths ("/tovel/autoupdate/..."), served from the same folder.
            name = p.lstrip("/")
        data = None if ".." in name.split("/") else self.read_file(name)
        if data is None:
            self.send_body(404, b"<html>not found</html>")
            return
        self.send_body(200, data, length=not no_length, pace=self.setting("pace", name) or 0,
                       announce=self.setting("announce", name), stall=self.setting("stall", name),
                       gap=self.setting("gap", name) or 1)

    do_HEAD = do_GET

    def do_POST(self):
        self.record()
        size = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(size)
        if os.path.isfile(os.path.join(root, "stall_posts")):
            time.sleep(60)  # took the form, never answers
            return
        if os.path.isfile(os.path.join(root, "refuse_posts")):
            self.send_body(500, b"refused")
            return
        if self.path == "/tovel/php/cwp.php":
            # One body per line (form bodies hold no line breaks).
            with log_lock, open(os.path.join(root, "posts.log"), "ab") as f:
                f.write(body + b"\n")
            self.send_body(200, b"ok")
            return
        self.send_body(200, body)

server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
tmp = port_file + ".tmp"
with open(tmp, "w") as f:
    f.write(str(server.server_address[1]))
os.rename(tmp, port_file)
# Never outlive a test run that forgot to stop it.
threading.Timer(120, server.shutdown).start()
server.serve_forever()
os._exit(0)
)PY";

}  // namespace

HttpTestServer::HttpTestServer() {
  std::random_device rd;
  root_ = std::filesystem::temp_directory_path() / ("tovel-http-" + std::to_string(rd()));
  std::filesystem::create_directories(root_ / "files");
  WriteFile(root_ / "server.py", kScript);
  const std::filesystem::path portFile = root_ / "port";
  const std::string command = "python3 '" + (root_ / "server.py").string() + "' '" + root_.string() +
                              "' '" + portFile.string() + "' >/dev/null 2>&1 &";
  if (std::system(command.c_str()) != 0) return;
  for (int i = 0; i < 500 && !std::filesystem::exists(portFile); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (std::filesystem::exists(portFile)) port_ = std::atoi(ReadFile(portFile).c_str());
}

HttpTestServer::~HttpTestServer() {
  Stop();
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void HttpTestServer::Stop() {
  if (port_ > 0) {
    plat::HttpSession session;
    std::string error;
    if (session.Open(plat::HttpOptions{}, error))
      session.Get("http://127.0.0.1:" + std::to_string(port_) + "/__quit", plat::HttpReceiver{});
    // Wait until the port refuses, so the caller's next request finds nobody listening.
    for (int i = 0; i < 100; ++i) {
      plat::HttpSession probe;
      plat::HttpOptions quick;
      quick.limits.connectSeconds = 1;
      if (!probe.Open(quick, error)) break;
      // Refused, not merely unanswered: a socket still listening takes the connection and
      // drops it, which a test of an unreachable server must not see.
      if (!probe.Head("http://127.0.0.1:" + std::to_string(port_) + "/status/200").connected)
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  port_ = 0;
}

void HttpTestServer::AddFile(const std::string& name, const std::string& bytes) {
  WriteFile(FileRoot() / name, bytes);
}

namespace {

std::string SettingName(std::string name) {
  for (char& c : name) c = c == '/' ? '_' : c;
  return name;
}

}  // namespace

void HttpTestServer::SetPace(std::string name, int bytesPerTenth, int tenthsApart) {
  WriteFile(root_ / "pace" / SettingName(name), std::to_string(bytesPerTenth));
  WriteFile(root_ / "gap" / SettingName(name), std::to_string(tenthsApart));
}

void HttpTestServer::SetAnnouncedLength(const std::string& name, long long length) {
  WriteFile(root_ / "announce" / SettingName(name), std::to_string(length));
}

void HttpTestServer::SetStall(const std::string& name, int afterBytes) {
  WriteFile(root_ / "stall" / SettingName(name), std::to_string(afterBytes));
}

void HttpTestServer::SetPostsStall() { WriteFile(root_ / "stall_posts", "1"); }
void HttpTestServer::SetPostsRefused() { WriteFile(root_ / "refuse_posts", "1"); }

std::string HttpTestServer::RequestLog() const { return ReadFile(root_ / "requests.log"); }

std::vector<std::string> HttpTestServer::PostedForms() const {
  std::vector<std::string> forms;
  const std::string text = ReadFile(root_ / "posts.log");
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    forms.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return forms;
}

}  // namespace testsupport
