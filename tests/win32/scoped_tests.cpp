// The resource holders and the whole-file read: each gives back what it
// took exactly once, on the way out of its scope.
#include <string>
#include <utility>

#include "check.h"
#include "fixtures.h"
#include "platform/win32/whole_file.h"

namespace vantor::win32::test {
namespace {

std::string TempFile(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

KernelHandle Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  return KernelHandle(CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

TEST_CASE(SelectedObjectPutsBackWhatWasSelectedFirst) {
  const WindowDC screen(nullptr);
  const MemoryDC dc(screen);
  const HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
  const HGDIOBJ first = GetStockObject(ANSI_VAR_FONT);
  const HGDIOBJ second = GetStockObject(SYSTEM_FIXED_FONT);
  CHECK(before != first && before != second);
  {
    SelectedObject font(dc, first);
    CHECK(GetCurrentObject(dc, OBJ_FONT) == first);
    font.Select(second);
    CHECK(GetCurrentObject(dc, OBJ_FONT) == second);
  }
  CHECK(GetCurrentObject(dc, OBJ_FONT) == before);
}

TEST_CASE(GdiObjectsAreDeletedOnceByTheirLastOwner) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  {
    GdiObject<HBRUSH> owner(red);
    {
      GdiObject<HBRUSH> taken(std::move(owner));
      CHECK(static_cast<HBRUSH>(owner) == nullptr);
      CHECK(static_cast<HBRUSH>(taken) == red);
    }
    CHECK_EQ(GetObjectType(red), DWORD{0});  // gone with the one that took it

    GdiObject<HBRUSH> kept(blue);
    GdiObject<HBRUSH> other(CreateSolidBrush(RGB(0, 255, 0)));
    const HBRUSH green = other;
    kept = std::move(other);
    CHECK(static_cast<HBRUSH>(kept) == green);
    CHECK_EQ(GetObjectType(blue), DWORD{OBJ_BRUSH});  // still owned, by `other` now
  }
  CHECK_EQ(GetObjectType(blue), DWORD{0});
}

TEST_CASE(AFileHandleIsClosedAtTheEndOfItsScope) {
  const std::string path = TempFile("vantor-scoped-test.txt");
  {
    const KernelHandle held = Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    CHECK(held.Valid());
    CHECK(!Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING).Valid());
  }
  CHECK(Open(path, GENERIC_READ, 0, OPEN_EXISTING).Valid());
  CHECK(!KernelHandle(INVALID_HANDLE_VALUE).Valid());
  DeleteFileA(path.c_str());
}

TEST_CASE(WholeFilesAreReadWholeWhileOthersHoldThem) {
  const std::string path = TempFile("vantor-whole-file-test.txt");
  std::string written(65536 * 2 + 3, 'x');  // more than one chunk, and not a whole number of them
  written.back() = 'z';
  {
    const KernelHandle file = Open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
    DWORD put = 0;
    WriteFile(file, written.data(), static_cast<DWORD>(written.size()), &put, nullptr);
    // A writer that keeps the file open does not keep the program out.
    std::string text = "stale";
    CHECK(ReadWholeFile(path, text));
    CHECK(text == written);
  }
  DeleteFileA(path.c_str());
  std::string text = "stale";
  CHECK(!ReadWholeFile(path, text));
}

}  // namespace vantor::win32::test
