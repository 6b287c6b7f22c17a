// Checks of the message table: completeness, identifiers, and texts whose blanks matter.
#include "core/text/messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using text::Msg;
using text::msg;
using text::msgId;

constexpr int kCount = static_cast<int>(Msg::Count);

TEST(MessagesTable, EveryIdentifierHasANameAndATextAndNamesAreUnique) {
  EXPECT_EQ(kCount, 106);
  std::set<std::string> names;
  for (int i = 0; i < kCount; ++i) {
    const auto id = static_cast<Msg>(i);
    EXPECT_FALSE(msg(id).empty()) << msgId(id);
    EXPECT_FALSE(msgId(id).empty()) << i;
    names.insert(std::string(msgId(id)));
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(kCount));
}

TEST(MessagesTable, IdentifiersMatchTheirEnumerators) {
  // A shifted row would give every later identifier its neighbour's text.
  EXPECT_EQ(msgId(Msg::fil), "fil");
  EXPECT_EQ(msgId(Msg::zakl), "zakl");
  EXPECT_EQ(msgId(Msg::errorform), "errorform");
  EXPECT_EQ(msgId(Msg::DC), "DC");
  EXPECT_EQ(msg(Msg::pep3), "Датчик3");
  EXPECT_EQ(msg(Msg::flplsk), "ПрСк");
  EXPECT_EQ(msg(Msg::ARU), "Параметры строба АРУ:");
}

TEST(MessagesTable, TextsKeepTheirSignificantBlanksAndLineFeeds) {
  EXPECT_EQ(msg(Msg::fil), "   Файл: ");
  EXPECT_EQ(msg(Msg::notopen), "\n Открыть невозможно");
  EXPECT_EQ(msg(Msg::apptitle), "Просмотр результатов контроля для Тервика ");
  EXPECT_EQ(msg(Msg::errorform), "Неверный  формат файла");
  EXPECT_EQ(msg(Msg::errlength), "Ошибка длины файла \n");
  EXPECT_EQ(msg(Msg::errorext), "Ошибка расширения файла\n");
  EXPECT_EQ(msg(Msg::under), " НИЖЕ  ");
  EXPECT_EQ(msg(Msg::no), "  НЕТ  ");
  EXPECT_EQ(msg(Msg::size), "РАЗМ:  ");
  EXPECT_EQ(msg(Msg::bigvel), " Превышение скорости");
  EXPECT_EQ(msg(Msg::maxtol), "Максимальная толщина ");
  EXPECT_EQ(msg(Msg::zakl), " Заключение:");
  EXPECT_EQ(msg(Msg::savezakl), "Сохранить заключение ?");
}

TEST(MessagesTable, ComposedLabelsComeOutAsShown) {
  // Header labels are joined from pieces of the table without separators.
  EXPECT_EQ(msg(Msg::len) + "(" + msg(Msg::mm) + "):", "Длина(мм):");
  EXPECT_EQ(msg(Msg::tol) + "(" + msg(Msg::mm) + "):", "Толщина(мм):");
}

TEST(MessagesTable, OutOfRangeIdentifierGivesEmptyText) {
  EXPECT_TRUE(msg(Msg::Count).empty());
  EXPECT_TRUE(msgId(static_cast<Msg>(-1)).empty());
}

}  // namespace
