// Host strings: UTF-8 in and out, cut at character boundaries, byte-wise comparison, and
// references that are refused once disposed.
#include <cstring>

#include "HostFixture.h"
#include "model/Model.h"

namespace {

class Strings : public HostTest {
 protected:
  size_t live() { return host::model().strings().liveCount(); }
  int32_t order(AIUnicodeStringRef a, AIUnicodeStringRef b) {
    int32_t result = 99;
    EXPECT_EQ(strings->Compare(a, b, &result), kNoErr);
    return result;
  }
};

TEST_F(Strings, InvalidUtf8IsRefused) {
  const char* invalid[] = {"\xC3",         "abc\xFF",          "\xC0\xAF",
                           "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"};
  const size_t before = live();
  for (const char* text : invalid) {
    AIUnicodeStringRef s = nullptr;
    EXPECT_EQ(strings->Initialize(&s, text, kAIPlatformCharacterEncoding), kBadParameterErr)
        << text;
    EXPECT_EQ(s, nullptr);
  }
  EXPECT_EQ(live(), before);
  AIUnicodeStringRef other = nullptr;
  EXPECT_EQ(strings->Initialize(&other, "x", 5), kBadParameterErr);  // no such encoding
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(live(), before);
  AIUnicodeStringRef fourBytes = makeString("\xF0\x9F\x93\x90");  // a valid four-byte character
  EXPECT_NE(fourBytes, nullptr);
  char buffer[8];
  size_t length = 0;
  EXPECT_EQ(strings->GetAs(fourBytes, 2, buffer, sizeof buffer, &length), kBadParameterErr);
  strings->Dispose(fourBytes);
}

TEST_F(Strings, GetAsCutsAtACharacterBoundaryAndAlwaysTerminates) {
  AIUnicodeStringRef s = nullptr;  // 1 + 2 + 3 + 1 bytes
  ASSERT_EQ(strings->Initialize(&s, "aé€b", kAIUTF8CharacterEncoding), kNoErr);
  char buffer[8];
  size_t length = 99;
  EXPECT_EQ(strings->GetLength(s, kAIUTF8CharacterEncoding, &length), kNoErr);
  EXPECT_EQ(length, 7u);
  const size_t expected[] = {0, 1, 1, 3, 3, 3, 6, 7};  // for capacities 1..8
  for (size_t capacity = 1; capacity <= 8; ++capacity) {
    std::memset(buffer, 'X', sizeof buffer);
    ASSERT_EQ(strings->GetAs(s, 0, buffer, capacity, &length), kNoErr);
    EXPECT_EQ(length, expected[capacity - 1]) << capacity;
    EXPECT_EQ(buffer[length], '\0');
    if (capacity < 8) {
      EXPECT_EQ(buffer[capacity], 'X') << "wrote past the buffer";
    }
  }
  std::memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(strings->GetAs(s, 0, buffer, 0, &length), kNoErr);
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(buffer[0], 'X');
  EXPECT_EQ(strings->GetAs(s, 0, nullptr, 0, nullptr), kNoErr);
  EXPECT_EQ(strings->GetAs(s, 0, nullptr, 4, &length), kBadParameterErr);
  strings->Dispose(s);
}

TEST_F(Strings, CompareIsByteWiseAndNullIsTheEmptyString) {
  AIUnicodeStringRef a = makeString("Ralto-Guides");
  AIUnicodeStringRef b = makeString("Ralto-Guides");
  AIUnicodeStringRef accented = makeString("Repères");
  AIUnicodeStringRef plain = makeString("Reperes");
  AIUnicodeStringRef empty = makeString("");
  EXPECT_EQ(order(a, b), 0);
  EXPECT_LT(order(plain, accented), 0);  // 'e' (0x65) sorts before the first byte of 'è' (0xC3)
  EXPECT_GT(order(accented, plain), 0);
  EXPECT_EQ(order(nullptr, empty), 0);
  EXPECT_GT(order(a, nullptr), 0);
  size_t length = 9;
  EXPECT_EQ(strings->GetLength(nullptr, 0, &length), kNoErr);
  EXPECT_EQ(length, 0u);
  for (AIUnicodeStringRef s : {a, b, accented, plain, empty}) strings->Dispose(s);
}

TEST_F(Strings, DisposedStringsAreRefusedAndNoneLeak) {
  const size_t before = live();
  AIUnicodeStringRef s = makeString("texte");
  AIUnicodeStringRef copy = nullptr;
  ASSERT_EQ(strings->Copy(s, &copy), kNoErr);
  EXPECT_EQ(live(), before + 2);
  EXPECT_EQ(strings->Dispose(s), kNoErr);
  EXPECT_EQ(take(copy), "texte");
  EXPECT_EQ(live(), before);

  EXPECT_EQ(strings->Dispose(s), kBadParameterErr);
  size_t length = 0;
  int32_t result = 0;
  EXPECT_EQ(strings->GetLength(s, 0, &length), kBadParameterErr);
  EXPECT_EQ(strings->Compare(s, nullptr, &result), kBadParameterErr);
  EXPECT_EQ(strings->Copy(s, &copy), kBadParameterErr);
  EXPECT_EQ(art->SetArtName(newGroup(nullptr, "G"), s), kBadParameterErr);
  EXPECT_EQ(user->MessageAlert(s), kBadParameterErr);
  EXPECT_EQ(strings->Dispose(nullptr), kNoErr);
  EXPECT_EQ(live(), before);
}

TEST_F(Strings, NamesReadIntoAnExistingStringReplaceItWithoutLeaking) {
  AIArtHandle group = newGroup(nullptr, "Marges haut10");
  AIArtHandle unnamed = newArt(kPathArt, kPlaceAboveAll);
  const size_t before = live();
  AIUnicodeStringRef name = nullptr;
  AIBoolean isDefault = 1;
  ASSERT_EQ(art->GetArtName(group, &name, &isDefault), kNoErr);
  EXPECT_EQ(isDefault, 0);
  ASSERT_EQ(art->GetArtName(unnamed, &name, &isDefault), kNoErr);
  EXPECT_EQ(isDefault, 1);
  EXPECT_EQ(live(), before + 1);
  EXPECT_EQ(take(name), "<Tracé>");

  AIUnicodeStringRef disposed = makeString("gone");
  strings->Dispose(disposed);
  AIUnicodeStringRef target = disposed;
  EXPECT_EQ(art->GetArtName(group, &target, nullptr), kBadParameterErr);
  EXPECT_EQ(target, disposed);
  EXPECT_EQ(live(), before);
}

}  // namespace
