// The message table: the Russian text of every message identifier, in UTF-8.
#include "core/text/messages.h"

#include <array>
#include <cstddef>

namespace text {
namespace {

struct Entry {
  Msg id;
  std::string_view name;
  std::string_view text;
};

// Blanks and line feeds inside the texts are part of them: the callers join texts without
// separators of their own ("Длина" + "(" + "мм" + ")" + ":").
constexpr std::array<Entry, static_cast<std::size_t>(Msg::Count)> kTable{{
    {Msg::fil, "fil", "   Файл: "},
    {Msg::notfound, "notfound", " \n не найден.\n"},
    {Msg::notopen, "notopen", "\n Открыть невозможно"},
    {Msg::rdef, "rdef", "Р.Дефектоскоп"},
    {Msg::atol, "atol", "А.Толщиномер"},
    {Msg::aflaw, "aflaw", "А.Дефект"},
    {Msg::pep1, "pep1", "Датчик1"},
    {Msg::pep2, "pep2", "Датчик2"},
    {Msg::pep3, "pep3", "Датчик3"},
    {Msg::pep4, "pep4", "Датчик4"},
    {Msg::fon, "fon", "Фон"},
    {Msg::setka, "setka", "Сетка"},
    {Msg::graf, "graf", "График"},
    {Msg::simbs, "simbs", "Символы"},
    {Msg::strob, "strob", "Строб"},
    {Msg::tekst, "tekst", "Текст"},
    {Msg::metka, "metka", "Метки"},
    {Msg::flawob, "flawob", "Об"},
    {Msg::flobpl, "flobpl", "ОбПл"},
    {Msg::flprpl, "flprpl", "ПлПр"},
    {Msg::flplvd, "flplvd", "ПлВд"},
    {Msg::flplsk, "flplsk", "ПрСк"},
    {Msg::flak, "flak", "АК"},
    {Msg::date, "date", "Дата:"},
    {Msg::beg, "beg", "Начало:"},
    {Msg::kon, "kon", "Окончание:"},
    {Msg::numuiu, "numuiu", "Номер прибора:"},
    {Msg::blok, "blok", "Блок:"},
    {Msg::temper, "temper", "Температура:"},
    {Msg::tol, "tol", "Толщина"},
    {Msg::seetol, "seetol", "Толщина обзора:"},
    {Msg::mm, "mm", "мм"},
    {Msg::len, "len", "Длина"},
    {Msg::diam, "diam", "Диаметр"},
    {Msg::shov, "shov", "Шов:"},
    {Msg::isd, "isd", "Изделие:"},
    {Msg::numlayer, "numlayer", "Число слоев:"},
    {Msg::uchas, "uchas", "Участок:"},
    {Msg::uiu, "uiu", "УИУ\"ВЕРТАН\"№ "},
    {Msg::prot, "prot", "Протокол №: "},
    {Msg::maxtol, "maxtol", "Максимальная толщина "},
    {Msg::mintol, "mintol", "Минимальная толщина "},
    {Msg::usl, "usl", "Условные обозначения"},
    {Msg::AK, "AK", " Нарушение контакта"},
    {Msg::bigtol, "bigtol", " Превышение толщины"},
    {Msg::bigvel, "bigvel", " Превышение скорости"},
    {Msg::anomal, "anomal", "Отклонения от номинала"},
    {Msg::control, "control", "Проконтролировано: "},
    {Msg::allist, "allist", "Всего листов:"},
    {Msg::page, "page", "Лист"},
    {Msg::zakl, "zakl", " Заключение:"},
    {Msg::defectoscoper, "defectoscoper", "Дефектоскопист: "},
    {Msg::obect, "obect", "Объект: "},
    {Msg::undertol, "undertol", "ТОЛЩИНЫ НИЖЕ ПОРОГА НЕТ"},
    {Msg::coord, "coord", "Координата"},
    {Msg::tolval, "tolval", "Значение толщины:"},
    {Msg::ininotopend, "ininotopend", "Файл настроек не удается открыть"},
    {Msg::savezakl, "savezakl", "Сохранить заключение ?"},
    {Msg::saving, "saving", "Сохранение заключения"},
    {Msg::top, "top", "В ТИП: "},
    {Msg::middle, "middle", "С ТИП: "},
    {Msg::bottom, "bottom", "Н ТИП: "},
    {Msg::size, "size", "РАЗМ:  "},
    {Msg::cor, "cor", "КООР:  "},
    {Msg::volume, "volume", " Объемный"},
    {Msg::volplate, "volplate", " Объемно-плоскостной"},
    {Msg::acrosplate, "acrosplate", " Плоскостной поперек"},
    {Msg::longplat, "longplat", " Плоскостной вдоль"},
    {Msg::flawlegend, "flawlegend", "Условные обозначения дефектов :"},
    {Msg::pep, "pep", "ПЭП №  "},
    {Msg::sep, "sep", "Раздельная"},
    {Msg::comb, "comb", "Совмещенная"},
    {Msg::gain, "gain", "Усиление: "},
    {Msg::db, "db", " дБ "},
    {Msg::sheme, "sheme", "Схема включения: "},
    {Msg::flawcord, "flawcord", "Координаты дефекта: "},
    {Msg::gainparm, "gainparm", "Параметры строба: "},
    {Msg::mks, "mks", " мкс "},
    {Msg::dlit, "dlit", "  Длит.:"},
    {Msg::porog, "porog", "  Порог:"},
    {Msg::setkaparam, "setkaparam", "Параметры развертки: "},
    {Msg::ugol, "ugol", "Угол ввода: "},
    {Msg::grd, "grd", "град."},
    {Msg::freq, "freq", "Частота: "},
    {Msg::zader, "zader", "Задержка в призме: "},
    {Msg::mgc, "mgc", " МГц "},
    {Msg::vrch, "vrch", "Параметры ВРЧ->Число точек: "},
    {Msg::timgain, "timgain", "Время(мкс)/Усиление(дБ): "},
    {Msg::ms, "ms", " м/с "},
    {Msg::errorform, "errorform", "Неверный  формат файла"},
    {Msg::errorext, "errorext", "Ошибка расширения файла\n"},
    {Msg::errchecksum, "errchecksum", "Ошибка контрольной суммы в файле\n"},
    {Msg::errlength, "errlength", "Ошибка длины файла \n"},
    {Msg::errread, "errread", "Невозможно считать данные"},
    {Msg::pos, "pos", "Позиция мм"},
    {Msg::maxthick, "maxthick", "Max.толщина"},
    {Msg::minthick, "minthick", "Min.толщина"},
    {Msg::thickresults, "thickresults", "Результаты  толщинометрии"},
    {Msg::thick, "thick", "ТОЛЩИНЫ"},
    {Msg::under, "under", " НИЖЕ  "},
    {Msg::lev, "lev", " ПОРОГА"},
    {Msg::no, "no", "  НЕТ  "},
    {Msg::apptitle, "apptitle", "Просмотр результатов контроля для Тервика "},
    {Msg::abthresh, "abthresh", "Пороговая толщина должна быть меньше номинальной"},
    {Msg::ARU, "ARU", "Параметры строба АРУ:"},
    {Msg::DC, "DC", "Параметры доп. строба:"},
}};

// Every entry sits at the index of its identifier, so a lookup is a plain index.
constexpr bool tableInOrder() {
  for (std::size_t i = 0; i < kTable.size(); ++i)
    if (static_cast<std::size_t>(kTable[i].id) != i) return false;
  return true;
}
static_assert(tableInOrder(), "message table out of identifier order");

const Entry* entryOf(Msg id) {
  const auto i = static_cast<std::size_t>(id);
  return i < kTable.size() ? &kTable[i] : nullptr;
}

}  // namespace

const std::string& msg(Msg id) {
  // Built once on first use; immutable afterwards.
  static const std::array<std::string, kTable.size()> texts = [] {
    std::array<std::string, kTable.size()> out;
    for (std::size_t i = 0; i < kTable.size(); ++i) out[i] = std::string(kTable[i].text);
    return out;
  }();
  static const std::string empty;
  const auto i = static_cast<std::size_t>(id);
  return i < texts.size() ? texts[i] : empty;
}

std::string_view msgId(Msg id) {
  const Entry* e = entryOf(id);
  return e ? e->name : std::string_view{};
}

}  // namespace text
