// The internet menu's list and message of the day of any bytes (what a server, or anyone
// between it and the player, may send). No entry may name a file outside the user folder or
// carry a line break, and the message is one line of bounded length.
#include <string>

#include "FuzzSupport.h"
#include "engine/InternetRequest.h"
#include "platform/Files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  // As the menu reads it: the downloaded copy through the text reader.
  const std::string path = fuzz::WriteInput("files.txt", data, size);
  std::string text;
  FUZZ_CHECK(plat::ReadTextFile(path, text));
  size_t lines = 0;
  for (char c : text) lines += c == '\n' ? 1 : 0;
  const auto entries = ReadMenuResourceList(text, fuzz::Folder());
  FUZZ_CHECK(entries.size() <= lines + 1);
  for (const ResourceEntry& entry : entries) {
    FUZZ_CHECK(!entry.remotePath.empty());
    FUZZ_CHECK(InternetRequest::IsSafeLocalPath(entry.localPath));
    for (const std::string* field : {&entry.remotePath, &entry.localPath, &entry.name, &entry.author}) {
      FUZZ_CHECK(field->find('\n') == std::string::npos);
      FUZZ_CHECK(field->empty() || (field->back() != ' ' && field->back() != '\r'));
    }
  }
  std::string message = "before";
  if (ReadMessageOfTheDay(text, message)) {
    FUZZ_CHECK(message.find('\n') == std::string::npos);
    FUZZ_CHECK(message.size() <= text.size() && message.size() <= kMaxMessageLength);
  } else {
    FUZZ_CHECK(text.empty() && message == "before");
  }
  return 0;
}
