#!/usr/bin/env python3
"""Makes each slip below in a scratch checkout, rebuilds it, runs its whole ctest suite, prints
the tests that fail, and puts the file back: a slip no test catches prints NONE FAILED.

The slips are one-line mistakes the suite once let through; each must now fail a test.
  git worktree add --detach ../slips HEAD && (cd ../slips && ./guides test)   # once, to configure
  python3 tools/check_slips.py ../slips [NAME...]
Never run it on the checkout you work in: a slip is written into the sources while its tests run.
"""
import pathlib
import subprocess
import sys

if len(sys.argv) < 2:
    sys.exit(__doc__)
top = pathlib.Path(sys.argv[1]).resolve()
slips = [
    ("sets-restore-skipped", "plugin/Source/GuidesDialogueSets.cpp",
     'AlerteSets("Suppression impossible.");\n      RetablitSetAffiche(PANpopupSets);', 'AlerteSets("Suppression impossible.");'),
    ("lock-tip-dropped", "plugin/Source/GuidesDialoguePreferences.cpp",
     "  PREverrouille->setToolTip(BulleVerrouille(ReperesVerrouillesProv));\n", ""),
    ("readonly-moves-aside", "host/model/PreferenceStore.cpp",
     "if (!readOnlyReason_.empty())\n    return {\"the preferences file is damaged", "if (false)\n    return {\"the preferences file is damaged"),
    ("failed-write-leaves-temp", "host/model/FileWriting.cpp",
     "  if (!ok) {\n    ::unlink(name.data());", "  if (!ok) {\n"),
    ("within-ignores-hidden-group", "host/model/HitTest.cpp",
     "if (isHidden(arts.at(slot))) return false;", "if (within == kNoSlot && isHidden(arts.at(slot))) return false;"),
    ("within-ignores-hidden-layer", "host/model/HitTest.cpp",
     "!model.findLayer(art.layer)->visible ||", "(within.isNull() && !model.findLayer(art.layer)->visible) ||"),
    ("utf8-surrogate", "plugin/Source/EcritLitPrefs.cpp", "    if (tete == 0xED) max2 = 0x9F;\n", ""),
    ("utf8-overlong", "plugin/Source/EcritLitPrefs.cpp", "    if (tete == 0xE0) min2 = 0xA0;\n", ""),
    ("popup-restore-lt", "plugin/Source/GuidesDialogueSets.cpp", "avant >= 0 && avant <= nombreDeSets", "avant >= 0 && avant < nombreDeSets"),
    ("publisher-document-not-resent", "host/server/StatePublisher.cpp",
     "if (!published_ || published_->document != now.document) board_.put", "if (!published_) board_.put"),
    ("art-stamp-misses-an-edit", "host/model/ArtTree.h",
     "  Art& at(uint32_t slot) {\n    ++revision_;\n", "  Art& at(uint32_t slot) {\n"),
    # The slips below are caught by the sessions that print what unit tests no longer check.
    ("every-artboard-on-the-first", "plugin/Source/GuidesTraces.cpp",
     "    return plans.position(plan, rectangle);\n  }\n};", "    return plans.position(0, rectangle);\n  }\n};"),
    ("kinds-in-another-order", "plugin/Source/GuidesOutil.cpp",
     "  TraceColonnes();\n  return TraceLignes();", "  TraceLignes();\n  return TraceColonnes();"),
    ("locked-layer-art-selectable", "host/model/ArtWalk.h",
     '  if (layer && !layer->editable) return "its layer is locked";\n', ""),
    ("page-refusals-not-replied", "host/server/WebSession.cpp",
     "    if (!line.empty()) refused.push_back(line);", "    (void)line;"),
    ("locked-guides-layer-not-refused", "plugin/Source/GuidesTraces.cpp",
     "    if (resultat != kNoErr) return resultat;\n    if (!modifiable) return RefusCalqueVerrouille();\n  } else {",
     "    if (resultat != kNoErr) return resultat;\n  } else {"),
    ("locked-current-layer-not-refused", "plugin/Source/GuidesTraces.cpp",
     "  if (resultat != kNoErr) return resultat;\n  if (!modifiable) return RefusCalqueVerrouille();\n  // A null reference",
     "  if (resultat != kNoErr) return resultat;\n  // A null reference"),
    ("artboard-numbers-of-one-digit", "plugin/Source/GuidesTraces.cpp",
     "NombreEnChaine(static_cast<float>(k + 1), 0, textes[k].data(), textes[k].size());",
     "NombreEnChaine(static_cast<float>(k + 1), 0, textes[k].data(), 2);"),
    ("cursor-hot-spot", "plugin/Source/Curseurs.cpp", "kit::Point kPointChaud{7, 8};", "kit::Point kPointChaud{8, 8};"),
    ("dialog-sound-box-not-from-option", "plugin/Source/GuidesDialogueDialogues.cpp", "  SonProv = SonDefaut;\n",
     "  SonProv = false;\n"),
    ("inches-to-centimetres", "plugin/Source/ReexpressionUnites.cpp",
     "    case kUniteCentimetres: return x * kCentimetresParPouce;", "    case kUniteCentimetres: return x * 2.5;"),
    ("destroyed-view-stays-focused", "kit/src/View.cpp",
     "  GraphicsContext::forgetDestination(&displayList_);\n  if (Window* w = window()) w->forgetViewTree(*this);\n",
     "  GraphicsContext::forgetDestination(&displayList_);\n"),
    ("freed-held-art-destroyed", "host/model/SlotTable.h",
     "    if (entry.holds != 0) return;\n    entry.value = T{};\n    makeFree(ref.slot);",
     "    entry.value = T{};\n    if (entry.holds != 0) return;\n    makeFree(ref.slot);"),
    ("undone-art-not-kept-in-its-slot", "host/model/SlotTable.h",
     "    entry.live = image.live();\n", "    if (!image.live()) entry.value = T{};\n    entry.live = image.live();\n"),
    ("section-text-kept-after-a-put", "host/model/PreferenceStore.cpp",
     "  if (const auto text = texts_.find(section); text != texts_.end()) texts_.erase(text);\n", ""),
]
only = sys.argv[2:]
uncaught = []
for name, rel, old, new in slips:
    if only and name not in only: continue
    path = top / rel
    text = path.read_text()
    if text.count(old) != 1:
        print(f"{name}: pattern found {text.count(old)} times", flush=True); continue
    path.write_text(text.replace(old, new))
    try:
        b = subprocess.run(['nice', 'cmake', '--build', 'build', '-j2'], cwd=top, capture_output=True, text=True)
        if b.returncode:
            print(f"{name}: BUILD FAILED\n{b.stdout[-2000:]}", flush=True); continue
        t = subprocess.run(['ctest', '-j2', '--timeout', '120'], cwd=top / 'build', capture_output=True, text=True)
        tail = t.stdout[t.stdout.find('The following tests FAILED'):] if 'FAILED' in t.stdout else 'NONE FAILED'
        if tail == 'NONE FAILED':
            uncaught.append(name)
        print(f"{name}: {tail.strip()[:1500]}", flush=True)
    finally:
        path.write_text(text)
subprocess.run(['nice', 'cmake', '--build', 'build', '-j2'], cwd=top, capture_output=True)
sys.exit(1 if uncaught else 0)
