#include "Curseurs.h"

#include <memory>
#include <vector>

#include "kit/Color.h"
#include "kit/Cursor.h"
#include "kit/GraphicsContext.h"
#include "kit/Image.h"

kit::Cursor* CurseurGenerique = nullptr;
kit::Cursor* CurseurGuidesObjet = nullptr;
kit::Cursor* CurseurPointille = nullptr;

namespace {

// Rectangles (x, y, width, height) in pixels, origin at the image's bottom-left corner.
using Rectangles = std::vector<kit::Rect>;

struct Dessin {
  Rectangles blancs;  // drawn first: the outline
  Rectangles noirs;   // drawn over them
};

const Dessin kPointille{
    {{{6, 1}, {10, 3}}, {{6, 4}, {3, 3}}, {{0, 7}, {15, 3}}, {{6, 10}, {3, 6}}},
    {{{1, 8}, {4, 1}}, {{7, 8}, {1, 1}}, {{10, 8}, {4, 1}}, {{7, 2}, {1, 4}}, {{7, 11}, {1, 4}},
     {{10, 2}, {1, 1}}, {{12, 2}, {1, 1}}, {{14, 2}, {1, 1}}}};

const Dessin kGenerique{
    {{{0, 7}, {15, 3}}, {{6, 1}, {3, 6}}, {{6, 10}, {3, 6}}},
    {{{1, 8}, {4, 1}}, {{7, 8}, {1, 1}}, {{10, 8}, {4, 1}}, {{7, 2}, {1, 4}}, {{7, 11}, {1, 4}}}};

const Dessin kGuidesObjet{
    {{{0, 6}, {2, 10}}, {{2, 7}, {1, 8}}, {{3, 8}, {1, 6}}, {{4, 8}, {1, 5}}, {{5, 8}, {1, 4}},
     {{6, 8}, {1, 3}}, {{7, 9}, {1, 1}}, {{8, 0}, {7, 12}}, {{7, 1}, {1, 10}}, {{15, 1}, {1, 10}}},
    {{{1, 7}, {1, 8}}, {{2, 8}, {1, 6}}, {{3, 9}, {1, 4}}, {{4, 9}, {1, 3}}, {{5, 9}, {1, 2}},
     {{6, 9}, {1, 1}}, {{8, 1}, {1, 10}}, {{9, 1}, {5, 1}}, {{14, 1}, {1, 10}}, {{9, 10}, {5, 1}},
     {{10, 2}, {1, 2}}, {{10, 5}, {1, 2}}, {{10, 8}, {1, 2}}, {{12, 2}, {1, 2}}, {{12, 5}, {1, 2}},
     {{12, 8}, {1, 2}}}};

constexpr kit::Point kPointChaud{7, 8};

std::unique_ptr<kit::Cursor> Fabriquer(const Dessin& dessin) {
  kit::Image image(kit::Size{16, 16});
  image.lockFocus();
  kit::Color::whiteColor().set();
  for (const kit::Rect& r : dessin.blancs) kit::rectFill(r);
  kit::Color::blackColor().set();
  for (const kit::Rect& r : dessin.noirs) kit::rectFill(r);
  image.unlockFocus();
  return std::make_unique<kit::Cursor>(image, kPointChaud);
}

// The cursors belong to the process: made once, destroyed at exit (or when the module is
// unloaded), when the globals let go of them too.
struct CurseursDuProcessus {
  std::unique_ptr<kit::Cursor> pointille, generique, guidesObjet;
  ~CurseursDuProcessus() { CurseurPointille = CurseurGenerique = CurseurGuidesObjet = nullptr; }
};
CurseursDuProcessus gCurseurs;

}  // namespace

void CalculerCurseurs() {
  if (gCurseurs.pointille) return;
  gCurseurs.pointille = Fabriquer(kPointille);
  gCurseurs.generique = Fabriquer(kGenerique);
  gCurseurs.guidesObjet = Fabriquer(kGuidesObjet);
  CurseurPointille = gCurseurs.pointille.get();
  CurseurGenerique = gCurseurs.generique.get();
  CurseurGuidesObjet = gCurseurs.guidesObjet.get();
}
