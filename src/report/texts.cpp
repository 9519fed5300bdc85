#include "report/texts.hpp"

namespace vdk {

namespace {

#define VDK_TEXT_ADDRESS(name, tr, en) &tx::name,
#define VDK_SECTION_LIST(section, title) \
  constexpr const Text* section##_LIST[] = {section(VDK_TEXT_ADDRESS, VDK_TEXT_ADDRESS)};
VDK_TEXT_SECTIONS(VDK_SECTION_LIST)
#undef VDK_SECTION_LIST
#undef VDK_TEXT_ADDRESS

#define VDK_SECTION_ENTRY(section, title) TextSection{title, section##_LIST},
constexpr TextSection kSections[] = {VDK_TEXT_SECTIONS(VDK_SECTION_ENTRY)};
#undef VDK_SECTION_ENTRY

constexpr const Text* kAppendageNames[] = {&tx::APPENDAGE_01, &tx::APPENDAGE_02, &tx::APPENDAGE_03,
                                           &tx::APPENDAGE_04, &tx::APPENDAGE_05, &tx::APPENDAGE_06,
                                           &tx::APPENDAGE_07, &tx::APPENDAGE_08, &tx::APPENDAGE_09,
                                           &tx::APPENDAGE_10, &tx::APPENDAGE_11};

}  // namespace

std::span<const Text* const> APPENDAGE_NAMES() {
  return kAppendageNames;
}

std::span<const TextSection> TEXT_CATALOGUE() {
  return kSections;
}

std::string_view TRANSLATED(std::string_view turkish, Lang l) {
  for (const TextSection& s : kSections)
    for (const Text* t : s.texts)
      if (!t->format && (*t)(Lang::Tr) == turkish) return (*t)(l);
  return turkish;
}

}  // namespace vdk
