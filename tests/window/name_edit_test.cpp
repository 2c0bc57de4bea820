// The name edit holds at most 10 bytes of code page 932 text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "game/qt/main_window.h"
#include "game/qt/name_validator.h"
#include "support/modal_boxes.h"
#include "support/qt_printers.h"
#include "support/runtime_folder.h"

namespace {

class NameEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit = form.findChild<QLineEdit*>("entry_l");
    ASSERT_NE(edit, nullptr);
    edit->clear();
  }

  RuntimeFolder folder;
  TForm1 form{folder.path()};
  QLineEdit* edit = nullptr;
};

struct TypingRow {
  const char* typed;
  const char* kept;
};

TEST_F(NameEditTest, TypingStopsAtTenBytesAndRefusesWhatCodePage932CannotHold) {
  const TypingRow rows[] = {
      {"abcdefghijkl", "abcdefghij"},
      {"あいうえおか", "あいうえお"},
      {"aあいうえお", "aあいうえ"},    // 9 bytes: お would make 11
      {"aあいうえおb", "aあいうえb"},  // but one more byte still fits
      {"ｱｲｳｴｵｶｷｸｹｺｻ", "ｱｲｳｴｵｶｷｸｹｺ"},   // half-width katakana take one byte
      {"a😀b", "ab"},                   // outside the code page
      {"aéb€c", "abc"},                // neither é nor € is in it
      {"①♪～", "①♪～"},                // in it, two bytes each
      {"？？？？", "？？？？"},
      {"   ", "   "},
      {"a\tb", "ab"},  // a control character would break the record file
  };
  for (const TypingRow& row : rows) {
    SCOPED_TRACE(row.typed);
    edit->clear();
    TypeText(edit, QString::fromUtf8(row.typed));
    EXPECT_EQ(edit->text(), QString::fromUtf8(row.kept));
  }
}

TEST_F(NameEditTest, AFullEditRefusesATypedCharacterWhereverTheCursorIs) {
  TypeText(edit, QStringLiteral("あいうえお"));
  edit->setCursorPosition(0);
  TypeText(edit, QStringLiteral("a"));
  EXPECT_EQ(edit->text(), QStringLiteral("あいうえお"));
  EXPECT_EQ(edit->cursorPosition(), 0);
  edit->setCursorPosition(2);
  TypeText(edit, QStringLiteral("か"));
  EXPECT_EQ(edit->text(), QStringLiteral("あいうえお"));
  EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(NameEditTest, TypingOverASelectionReplacesIt) {
  TypeText(edit, QStringLiteral("あいうえお"));
  edit->selectAll();
  TypeText(edit, QStringLiteral("x"));
  EXPECT_EQ(edit->text(), QStringLiteral("x"));
}

struct PasteRow {
  const char* before;
  int cursor;
  const char* pasted;
  const char* after;
  int cursorAfter;
};

TEST_F(NameEditTest, APasteIsCutAtACharacterBoundary) {
  const PasteRow rows[] = {
      {"", 0, "あいうえおかきく", "あいうえお", 5},
      {"abc", 3, "あいうえお", "abcあいう", 6},  // 3 + 6 bytes; え would pass 10
      {"ab", 1, "あいうえお", "aあいうえb", 5},  // the pasted tail goes, the old text stays
      {"", 0, "abc😀dé€f", "abcdf", 5},
      {"ab", 2, "ｱｲｳｴｵｶｷｸｹ", "abｱｲｳｴｵｶｷｸ", 10},
      {"x", 1, "ab\ncd", "xabcd", 5},
  };
  for (const PasteRow& row : rows) {
    SCOPED_TRACE(row.pasted);
    edit->setText(QString::fromUtf8(row.before));
    edit->setCursorPosition(row.cursor);
    QApplication::clipboard()->setText(QString::fromUtf8(row.pasted));
    edit->paste();
    EXPECT_EQ(edit->text(), QString::fromUtf8(row.after));
    EXPECT_EQ(edit->cursorPosition(), row.cursorAfter);
  }
}

TEST_F(NameEditTest, TheGameReadsAndWritesTheNameAsCodePage932) {
  TypeText(edit, QStringLiteral("ｱ太郎"));
  EXPECT_EQ(form.text(Control::entry_l), std::string("\xB1\x91\xBE\x98\x59"));
  form.setText(Control::entry_l, "\x83\x5C\x83\x6D");  // ソノ
  EXPECT_EQ(edit->text(), QStringLiteral("ソノ"));
  EXPECT_EQ(form.text(Control::entry_l), std::string("\x83\x5C\x83\x6D"));
}

TEST(NameValidatorBytes, CountsCodePage932Bytes) {
  EXPECT_EQ(NameValidator::Cp932Bytes(U'a'), 1);
  EXPECT_EQ(NameValidator::Cp932Bytes(U'ｱ'), 1);
  EXPECT_EQ(NameValidator::Cp932Bytes(U'あ'), 2);
  EXPECT_EQ(NameValidator::Cp932Bytes(U'€'), 0);
  EXPECT_EQ(NameValidator::Cp932Bytes(U'\r'), 0);
  EXPECT_EQ(NameValidator::Cp932Bytes(U'\U0001F600'), 0);
}

}  // namespace
