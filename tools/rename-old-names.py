#!/usr/bin/env python3
"""Renames the identifiers and files that still carried names in the old style
(numbered controls, German abbreviations, `T` prefixes, `...Click` handlers) to
names that say what they hold.

Run from the project root: `tools/rename-old-names.py [--check | --table]`. It rewrites
the C++ sources, CMake lists and test sources in place (whole words only) and
moves the renamed files with `git mv`; docs/names.md keeps the table of old and
new names. `--check` only lists where old names are left. A branch started
before the rename runs it once after merging to follow.
"""

import re
import subprocess
import sys
from pathlib import Path

# Files: old path -> new path.
FILES = {
    "app/mainform.cpp": "app/mainwindow.cpp",
    "app/mainform.h": "app/mainwindow.h",
    "print/drawvcart.cpp": "print/annotationpainter.cpp",
    "print/drawvcart.h": "print/annotationpainter.h",
    "raster/stretchdraw.cpp": "raster/drawimage.cpp",
    "raster/stretchdraw.h": "raster/drawimage.h",
    "tests/core/stretchdraw_test.cpp": "tests/core/drawimage_test.cpp",
    "tests/support/mainformfixture.cpp": "tests/support/mainwindowfixture.cpp",
    "tests/support/mainformfixture.h": "tests/support/mainwindowfixture.h",
    "bench/stretchdraw_bench.cpp": "bench/drawimage_bench.cpp",
    "bench/drawvcart_bench.cpp": "bench/annotationpainter_bench.cpp",
    "tests/core/stretchdraw_hidpi_test.cpp": "tests/core/drawimage_hidpi_test.cpp",
    "widgets/pictures/GoBtn1.svg": "widgets/pictures/printButton.svg",
    "widgets/pictures/GoBtn1Down.svg": "widgets/pictures/printButtonDown.svg",
    "widgets/pictures/SetupBtn.svg": "widgets/pictures/printerButton.svg",
    "widgets/pictures/SetupBtnDown.svg": "widgets/pictures/printerButtonDown.svg",
    "widgets/pictures/ScanBtn.svg": "widgets/pictures/scanButton.svg",
    "widgets/pictures/ScanBtnDown.svg": "widgets/pictures/scanButtonDown.svg",
    "widgets/pictures/TSetupBtn.svg": "widgets/pictures/scannerButton.svg",
    "widgets/pictures/TsetupBtnDown.svg": "widgets/pictures/scannerButtonDown.svg",
    "widgets/pictures/EndeBtn.svg": "widgets/pictures/quitButton.svg",
    "widgets/pictures/EndeBtnDown.svg": "widgets/pictures/quitButtonDown.svg",
    "widgets/pictures/ueberbtn.svg": "widgets/pictures/aboutButton.svg",
    "widgets/pictures/ueberBtn2.svg": "widgets/pictures/aboutButtonDown.svg",
}

# Names that mean one thing wherever they stand.
NAMES = {
    # the main window
    "TMainForm": "MainWindow",
    "MainFormTest": "MainWindowTest",
    "mainformfixture": "mainwindowfixture",
    "mainform": "mainwindow",
    "MainForm": "MainWindow",
    "PageControl2": "pageTabs",
    "NewCoverBtn": "newCoverButton",
    "OpenCoverBtn": "openCoverButton",
    "SaveCoverBtn": "saveCoverButton",
    "SaveCoverAsBtn": "saveCoverAsButton",
    "EndeBtn": "quitButton",
    "wwwBtn": "websiteButton",
    "ueberbtn": "aboutButton",
    "ueberBtn2": "aboutButtonDown",
    "GoBtn1Down": "printButtonDown",
    "SetupBtnDown": "printerButtonDown",
    "ScanBtnDown": "scanButtonDown",
    "TsetupBtnDown": "scannerButtonDown",
    "EndeBtnDown": "quitButtonDown",
    "KeyEditKeyDown": "keyPressed",
    "StatusPanel1": "statusLabel",
    "AboutBitBtnClick": "showAbout",
    "wwwBtn0Click": "openWebsite",
    "QuitBtnClick": "quit",
    "NewCoverBtnClick": "newCover",
    "OpenCoverBtnClick": "openCover",
    "SaveCoverBtnClick": "saveCover",
    "SaveCoverAsBtnClick": "saveCoverAs",
    "FormMouseWheelDown": "wheelTurned",
    "StatusBar1DrawPanel": "drawProgress",
    # annotation page and its editor
    "SpeedItem1": "shapeTool",
    "SpeedItem2": "textTool",
    "SpeedItem3": "pointerTool",
    "SpeedItem4": "noteTool",
    "SpeedZoom": "magnifierTool",
    "SpeedHand": "handTool",
    "Toolbar": "toolBar",
    "ScrollBox1": "annotationScroll",
    "PaintBox1": "annotationView",
    "KeyEdit": "keyCatcher",
    "PageControl3": "optionTabs",
    "FigurSheet": "shapeTab",
    "TextSheet": "textTab",
    "AllgemeinSheet": "generalTab",
    "ColorBtn": "colorButton",
    "UColorBtn": "outlineColorButton",
    "FilledCheck": "filledRadio",
    "BorderCheck": "outlinedRadio",
    "FilledBorderCheck": "filledOutlinedRadio",
    "LinieEd": "lineWidthSpin",
    "EnterTextBtn": "enterTextButton",
    "FontBtn": "fontButton",
    "TextFXBtn": "textEffectsButton",
    "Color2Btn": "textColorButton",
    "Leftalign": "alignLeftRadio",
    "CenterAlign": "alignCenterRadio",
    "RightAlign": "alignRightRadio",
    "Del1Btn": "deleteButton",
    "Front1Btn": "toFrontButton",
    "Back1Btn": "toBackButton",
    "Lschen1Click": "deleteObject",
    "Nachvorne1Click": "bringToFront",
    "NachHinen1Click": "sendToBack",
    "ShapeClick": "chooseShape",
    "ColorBtnClick": "chooseColor",
    "UColorBtnClick": "chooseOutlineColor",
    "FilledCheckClick": "chooseFilled",
    "BorderCheckClick": "chooseOutlined",
    "FilledBorderCheckClick": "chooseFilledOutlined",
    "LinieEdChange": "lineWidthChanged",
    "AlignClick": "chooseAlignment",
    "rottextrightbtnClick": "rotateTextRight",
    "rottextleftbtnClick": "rotateTextLeft",
    "TxtForm": "textDialog",
    "EffektForm": "textEffectsDialog",
    "PaintBox1Paint": "recomposeView",
    "PaintBox1MouseDown": "mousePressed",
    "PaintBox1MouseMove": "mouseMoved",
    "PaintBox1MouseUp": "mouseReleased",
    "PaintBox1DblClick": "mouseDoubleClicked",
    "ScrollBox1MouseDown": "scrollAreaPressed",
    "EnterTextBtnClick": "enterText",
    "FontBtnClick": "chooseFont",
    "TextFXBtnClick": "editTextEffects",
    "CurObj": "currentObject",
    "clearall": "clearAll",
    # object menu
    "Lschen1": "deleteAction",
    "Nachvorne1": "toFrontAction",
    "NachHinen1": "toBackAction",
    "FarbeM": "colorAction",
    "SchriftartM": "fontAction",
    "Texteffekte1": "textEffectsAction",
    "Linksbnig1": "alignLeftAction",
    "Zentriert1": "alignCenterAction",
    "Rechtsbndig1": "alignRightAction",
    "Nachlinksrotieren1": "rotateLeftAction",
    "Nachrechtsrotieren1": "rotateRightAction",
    # text dialogs
    "Memo1": "textEdit",
    "OKBtn": "okButton",
    "OkBtn": "okButton",
    "OKButton": "okButton",
    "CancelBtn": "cancelButton",
    "UmrCheck": "outlineCheck",
    "SchattCheck": "shadowCheck",
    "SchattED1": "shadowRightSpin",
    "SchattEd2": "shadowDownSpin",
    "BitBtn2": "shadowColorButton",
    "BitBtn3": "okButton",
    "BitBtn4": "cancelButton",
    "BitBtn2Click": "chooseShadowColor",
    # placement page
    "ComboBox1": "formatCombo",
    "NewBtn": "newFormatButton",
    "EditBtn": "editFormatButton",
    "DelBtn": "deleteFormatButton",
    "FirstStartLabel": "firstStartLabel",
    "FirstTemplateBtn": "firstTemplateButton",
    "ZoomEd": "zoomSpin",
    "ZoomEd2": "zoomSpin",
    "ZoomEd3": "zoomSpin",
    "ZoomEd4": "zoomSpin",
    "BreitEd": "widthSpin",
    "LinksEd": "leftSpin",
    "ObenEd": "topSpin",
    "HochEd": "heightSpin",
    "ScrollBox2": "placementScroll",
    "PaintBox2": "placementView",
    "ComboBox1Change": "formatChosen",
    "NewBtnClick": "newFormat",
    "EditBtnClick": "editFormat",
    "DelBtnClick": "deleteFormat",
    "FirstTemplateBtnClick": "chooseFirstTemplate",
    "PaintBox2Paint": "paintPlacement",
    "PaintBox2MouseDown": "mousePressed",
    "PaintBox2MouseMove": "mouseMoved",
    "PaintBox2MouseUp": "mouseReleased",
    "ZoomEdChange": "zoomChanged",
    "ZoomEd2Change": "zoomChanged",
    "ZoomEd3Change": "zoomChanged",
    "ZoomEd4Change": "zoomChanged",
    "BreitEdChange": "widthChanged",
    "NewETypForm": "paperFormatDialog",
    # paper format dialog
    "NameED": "nameEdit",
    "RLED": "leftMarginSpin",
    "ROED": "topMarginSpin",
    "BrED": "labelWidthSpin",
    "HoED": "labelHeightSpin",
    "AHED": "pitchXSpin",
    "AVED": "pitchYSpin",
    "AnzHED": "columnsSpin",
    "AnzVED": "rowsSpin",
    "TemplateBtn": "templateButton",
    "OkBitBtn1": "okButton",
    "CancelBitBtn": "cancelButton",
    "CancelBitBtn2": "cancelButton",
    "OkBitBtn1Click": "acceptValues",
    "TemplateBtnClick": "chooseTemplate",
    # template chooser
    "SearchED": "searchEdit",
    "DiscOnlyCB": "discOnlyCheck",
    "TemplateList": "templateList",
    "HintLabel": "hintLabel",
    "SheetView": "sheetView",
    # print page and calibration
    "SetupBtn": "printerButton",
    "GoBtn1": "printButton",
    "KalibrateBtn": "calibrateButton",
    "UsedED": "usedSpin",
    "KopiesED": "copiesSpin",
    "PageEd": "sheetSpin",
    "ClipCB": "clipCheck",
    "ScrollBox3": "previewScroll",
    "VPaint": "sheetPreview",
    "VPaintPaint": "paintPreview",
    "VPaintMouseDown": "mousePressed",
    "VPaintMouseMove": "mouseMoved",
    "VPaintMouseUp": "mouseReleased",
    "UsedEDChange": "usedChanged",
    "KopiesEDChange": "copiesChanged",
    "PageEdChange": "sheetChanged",
    "ClipCBClick": "clipToggled",
    "GoBtn1Click": "print",
    "SetupBtnClick": "choosePrinter",
    "KalibrateBtnClick": "calibrate",
    "KalForm": "calibrationDialog",
    "PrinterLabel": "printerLabel",
    # scan page
    "ScanBtn": "scanButton",
    "TSetupBtn": "scannerButton",
    "OpenBtn": "openImageButton",
    "SaveBtn": "saveImageButton",
    "ScanScrollBox": "scanScroll",
    "ScanPaintBox": "scanView",
    "ScanPaintBoxPaint": "paintScan",
    "ScanPaintBoxMouseDown": "mousePressed",
    "ScanPaintBoxMouseMove": "mouseMoved",
    "ScanPaintBoxMouseUp": "mouseReleased",
    "SelectButtonClick": "selectScanner",
    "ScanButtonClick": "scan",
    "OpenBtnClick": "openImage",
    "SaveBtnClick": "saveImage",
    "DeviceList": "deviceList",
    # retouch page and brightness dialog
    "TrackBar1": "brightnessSlider",
    "TrackBar2": "contrastSlider",
    "VschauBitBtn4": "previewButton",
    "BacksetBitBtn3": "resetButton",
    "TrackBar1Change": "slidersMoved",
    "BacksetBitBtn3Click": "resetSliders",
    "DateiButton": "fileMenuButton",
    "EffekteButton": "effectsMenuButton",
    "RetuscheButton": "retouchMenuButton",
    "DateiPopup": "fileMenu",
    "EffektPopup": "effectsMenu",
    "RetuschePopup": "retouchMenu",
    "SpeichernUnter1": "saveImageAsAction",
    "HellpBtn": "brightnessAction",
    "RotLeftBtn": "rotateLeftAction",
    "RotRightBtn": "rotateRightAction",
    "FlipHBtn": "flipHorizontalAction",
    "FlipVBtn": "flipVerticalAction",
    "SchnittBtn": "cropAction",
    "RetuschScrollBox": "retouchScroll",
    "RetuschPaint": "retouchView",
    "DateiButtonClick": "showFileMenu",
    "EffekteButtonClick": "showEffectsMenu",
    "RetuscheButtonClick": "showRetouchMenu",
    "RetuschPaintPaint": "fitViewToImage",
    "RetuschPaintMouseDown": "mousePressed",
    "RetuschPaintMouseMove": "mouseMoved",
    "RetuschPaintMouseUp": "mouseReleased",
    "HellpBtnClick": "adjustBrightness",
    "RotLeftBtnClick": "rotateLeft",
    "RotRightBtnClick": "rotateRight",
    "FlipHBtnClick": "flipHorizontally",
    "FlipVBtnClick": "flipVertically",
    "SchnittBtnClick": "crop",
    "EffektClick": "applyEffect",
    # printer setup dialog and about box
    "PrinterCombo": "printerCombo",
    "TypeLabel": "typeLabel",
    "WhereLabel": "whereLabel",
    "PaperCombo": "paperCombo",
    "PortraitRadio": "portraitRadio",
    "LandscapeRadio": "landscapeRadio",
    "PrinterComboChange": "printerChosen",
    "ProgramIcon": "programIcon",
    "WebButton": "webButton",
    # drawing
    "DrawVCart": "paintAnnotations",
    "StretchDrawDib": "drawImage",
    "newdib": "createImage",
    "deldib": "releaseImage",
    "getpixel": "pixelAt",
    "setpixel": "setPixelAt",
    "drawvcart": "annotationpainter",
    "stretchdraw": "drawimage",
    "stretchdraw_bench": "drawimage_bench",
    "drawvcart_bench": "annotationpainter_bench",
}

# Names whose meaning depends on the file: (path prefix, old, new), tried
# before NAMES.
BY_FILE = [
    ("print/ui/calibrationdialog", "BitBtn1", "testPrintButton"),
    ("print/ui/calibrationdialog", "BitBtn1Click", "printTestSquare"),
    ("objects/ui/texteffectsdialog", "BitBtn1", "outlineColorButton"),
    ("objects/ui/texteffectsdialog", "BitBtn1Click", "chooseOutlineColor"),
    ("paper/paperedit", "RLED", "leftMargin"),
    ("paper/paperedit", "ROED", "topMargin"),
    ("paper/paperedit", "BrED", "labelWidth"),
    ("paper/paperedit", "HoED", "labelHeight"),
    ("paper/paperedit", "AHED", "pitchX"),
    ("paper/paperedit", "AVED", "pitchY"),
    ("paper/paperedit", "AnzHED", "columns"),
    ("paper/paperedit", "AnzVED", "rows"),
]

# A field of the paper dialog's values, reached by `.`: the value, not the box.
VALUE_FIELDS = {"RLED": "leftMargin", "ROED": "topMargin", "BrED": "labelWidth", "HoED": "labelHeight",
                "AHED": "pitchX", "AVED": "pitchY", "AnzHED": "columns", "AnzVED": "rows"}

SOURCE_SUFFIXES = {".cpp", ".h", ".txt", ".cmake", ".py", ".sh"}
SKIPPED = {"docs/names.md", "tools/rename-old-names.py"}


def sources():
    listed = subprocess.run(["git", "ls-files"], capture_output=True, text=True, check=True).stdout.split()
    for path in listed:
        p = Path(path)
        if path in SKIPPED or not p.exists():
            continue
        if p.suffix in SOURCE_SUFFIXES or p.name == "CMakeLists.txt" or p.suffix == ".md":
            yield p


def rename_in(path: Path, text: str) -> str:
    text = re.sub(r"\.(%s)\b" % "|".join(VALUE_FIELDS), lambda m: "." + VALUE_FIELDS[m.group(1)], text)
    table = dict(NAMES)
    for prefix, old, new in BY_FILE:
        if str(path).startswith(prefix):
            table[old] = new
    # Also the tests of a file: "calibrationdialog" names its BitBtn1 like the file does.
    pattern = re.compile(r"\b(%s)\b" % "|".join(sorted(table, key=len, reverse=True)))
    return pattern.sub(lambda m: table[m.group(1)], text)


def print_table():
    """The table of docs/names.md: each new name with the old ones it replaces."""
    olds = {}
    for old, new in NAMES.items():
        olds.setdefault(new, []).append(old)
    for prefix, old, new in BY_FILE:
        olds.setdefault(new, []).append(f"{old} ({prefix})")
    print("| old | new |\n|---|---|")
    for new, old in olds.items():
        print("| " + ", ".join(f"`{o}`" for o in old) + f" | `{new}` |")
    for old, new in FILES.items():
        print(f"| `{old}` | `{new}` |")


def main():
    if "--table" in sys.argv:
        print_table()
        return 0
    check = "--check" in sys.argv
    left = 0
    for path in sources():
        text = path.read_text(encoding="utf-8")
        renamed = rename_in(path, text)
        if renamed == text:
            continue
        if check:
            left += 1
            print(path)
        else:
            path.write_text(renamed, encoding="utf-8")
    if not check:
        for old, new in FILES.items():
            if Path(old).exists():
                subprocess.run(["git", "mv", old, new], check=True)
    return 1 if check and left else 0


if __name__ == "__main__":
    sys.exit(main())
