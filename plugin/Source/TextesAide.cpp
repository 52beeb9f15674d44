#include "TextesAide.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "kit/Bundle.h"

namespace {

bool EstUtf8(const std::string& texte) {
  std::size_t i = 0;
  while (i < texte.size()) {
    const auto octet = static_cast<unsigned char>(texte[i]);
    std::size_t suite = 0;
    unsigned minimum = 0;
    unsigned point = 0;
    if (octet < 0x80) {
      ++i;
      continue;
    } else if ((octet & 0xE0) == 0xC0) {
      suite = 1, minimum = 0x80, point = octet & 0x1F;
    } else if ((octet & 0xF0) == 0xE0) {
      suite = 2, minimum = 0x800, point = octet & 0x0F;
    } else if ((octet & 0xF8) == 0xF0) {
      suite = 3, minimum = 0x10000, point = octet & 0x07;
    } else {
      return false;
    }
    if (texte.size() - i <= suite) return false;
    for (std::size_t k = 1; k <= suite; ++k) {
      const auto c = static_cast<unsigned char>(texte[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      point = (point << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and points beyond the last one are refused.
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
    i += suite + 1;
  }
  return true;
}

}  // namespace

std::string LireTexteAide(const std::string& chemin) {
  std::ifstream entree(chemin, std::ios::binary);
  if (!entree) return {};
  std::string texte(kTailleMaxPageAide + 1, '\0');
  entree.read(texte.data(), static_cast<std::streamsize>(texte.size()));
  const auto lus = static_cast<std::size_t>(entree.gcount());
  if (lus > kTailleMaxPageAide || entree.bad()) return {};
  texte.resize(lus);
  if (!EstUtf8(texte)) return {};
  while (!texte.empty() && (texte.back() == '\n' || texte.back() == '\r')) texte.pop_back();
  return texte;
}

namespace {

using Pages = std::array<std::string, kNombrePagesAide>;

Pages LirePages() {
  Pages pages;
  auto module = kit::Bundle::bundleContainingAddress(reinterpret_cast<const void*>(&TexteDePageAide));
  if (!module) return pages;
  const std::filesystem::path dossier = std::filesystem::path(module->resourcePath()) / "Aide";
  for (int numero = 1; numero <= kNombrePagesAide; ++numero) {
    char nom[16];
    std::snprintf(nom, sizeof nom, "page%02d.txt", numero);
    pages[numero - 1] = LireTexteAide((dossier / nom).string());
  }
  return pages;
}

}  // namespace

const std::string& TexteDePageAide(int numero) {
  static const Pages pages = LirePages();
  static const std::string vide;
  if (numero < 1 || numero > kNombrePagesAide) return vide;
  return pages[numero - 1];
}
