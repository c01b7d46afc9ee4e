// Path rules: separators, case, listings, text reads and the documents folder.
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

TEST(FilesTest, BackslashAndCaseResolveToTheFileOnDisk) {
  TempDir dir;
  WriteFile(dir.Path() / "Data/Bitmaps/Room.JPG", "jpeg");
  const std::string asWritten = dir.Str() + "\\data\\bitmaps\\room.jpg";
  EXPECT_EQ(plat::ResolvePath(asWritten), dir.Str() + "/Data/Bitmaps/Room.JPG");
  EXPECT_TRUE(plat::IsRegularFile(asWritten));
  std::string bytes;
  ASSERT_TRUE(plat::ReadFileBytes(asWritten, bytes));
  EXPECT_EQ(bytes, "jpeg");
  // A new file in a folder whose case differs lands in the existing folder.
  FILE* f = plat::OpenFile(dir.Str() + "\\DATA\\new.txt", "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Data/new.txt"));
  EXPECT_FALSE(plat::PathExists(dir.Str() + "/data/missing.txt"));
}

TEST(FilesTest, ListingsMatchIgnoringCaseAndAreSortedIgnoringCase) {
  TempDir dir;
  for (const char* name : {"b.OGG", "A.ogg", "c.ogg", "notes.txt", "Dance.ogg"})
    WriteFile(dir.Path() / "music" / name, "x");
  std::filesystem::create_directory(dir.Path() / "music/sub.ogg");
  const auto entries = plat::ListMatching(dir.Str() + "\\MUSIC\\*.ogg");
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].name, "A.ogg");
  EXPECT_EQ(entries[1].name, "b.OGG");
  EXPECT_EQ(entries[2].name, "c.ogg");
  EXPECT_EQ(entries[3].name, "Dance.ogg");
  EXPECT_EQ(entries[4].name, "sub.ogg");
  EXPECT_TRUE(entries[4].isDirectory);
  const auto all = plat::ListMatching(dir.Str() + "/music/*.*");
  EXPECT_EQ(all.size(), 6u);  // never "." or ".."
}

TEST(FilesTest, WildcardMatching) {
  EXPECT_TRUE(plat::WildcardMatch("*.ogg", "Song.OGG"));
  EXPECT_TRUE(plat::WildcardMatch("a?c*", "abcdef"));
  EXPECT_TRUE(plat::WildcardMatch("*.*", "README"));
  EXPECT_FALSE(plat::WildcardMatch("*.ogg", "song.wav"));
  EXPECT_FALSE(plat::WildcardMatch("a?c", "ac"));
}

TEST(FilesTest, TextReadsDropCarriageReturnsBeforeNewlines) {
  TempDir dir;
  WriteFile(dir.Path() / "t.csv", "#,a,b\r\n#,c\rd,e\r\nlast\r");
  std::string text;
  ASSERT_TRUE(plat::ReadTextFile((dir.Path() / "t.csv").string(), text));
  EXPECT_EQ(text, "#,a,b\n#,c\rd,e\nlast");
}

TEST(FilesTest, DocumentsFolderIsMadeUnderAHomeWithoutOne) {
  TempDir home;
  ScopedEnv h("HOME", home.Str().c_str());
  ScopedEnv x("XDG_DOCUMENTS_DIR", nullptr);
  ScopedEnv c("XDG_CONFIG_HOME", nullptr);
  std::string docs;
  ASSERT_TRUE(plat::DocumentsFolder(docs));
  EXPECT_EQ(docs, home.Str() + "/Documents");
  EXPECT_TRUE(std::filesystem::is_directory(docs));
}

TEST(FilesTest, DocumentsFolderFollowsUserDirs) {
  TempDir home;
  ScopedEnv h("HOME", home.Str().c_str());
  ScopedEnv x("XDG_DOCUMENTS_DIR", nullptr);
  ScopedEnv c("XDG_CONFIG_HOME", nullptr);
  WriteFile(home.Path() / ".config/user-dirs.dirs", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  std::string docs;
  ASSERT_TRUE(plat::DocumentsFolder(docs));
  EXPECT_EQ(docs, home.Str() + "/Dokumente");
  EXPECT_TRUE(std::filesystem::is_directory(docs));
}

TEST(FilesTest, DocumentsFolderFailsOnlyWithoutHome) {
  ScopedEnv h("HOME", nullptr);
  std::string docs;
  EXPECT_FALSE(plat::DocumentsFolder(docs));
}

TEST(FilesTest, AtomicWriteReplacesWholeFile) {
  TempDir dir;
  const auto path = dir.Path() / "f.txt";
  WriteFile(path, "old old old");
  ASSERT_TRUE(plat::WriteFileAtomically(path.string(), "new"));
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FilesTest, AnAtomicWriteNeverWritesThroughALinkAtItsTemporaryName) {
  TempDir dir;
  WriteFile(dir.Path() / "victim.txt", "kept");
  // The temporary name is the target's with ".tmp" and the process id.
  const std::string pid = std::filesystem::read_symlink("/proc/self").string();
  const std::filesystem::path target = dir.Path() / "options.txt";
  std::filesystem::create_symlink(dir.Path() / "victim.txt", target.string() + ".tmp" + pid);
  ASSERT_TRUE(plat::WriteFileAtomically(target.string(), "new options"));
  EXPECT_EQ(ReadFile(dir.Path() / "victim.txt"), "kept");
  EXPECT_EQ(ReadFile(target), "new options");
  EXPECT_FALSE(std::filesystem::is_symlink(target));
}

}  // namespace
