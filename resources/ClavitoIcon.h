#pragma once
// The program's icon: a keyboard under two beamed notes, 32 x 32 pixels in 16 colours.
// It is the application's window icon and the picture of the About box.

#include <QIcon>
#include <QPixmap>

inline constexpr const char* ClavitoIconXpm[] = {
    // clang-format off
    "32 32 11 1",
    "# c #000000",
    ". c None",
    "b c #1C1CA8",
    "d c #404040",
    "g c #A0A0A0",
    "k c #101018",
    "n c #000080",
    "o c #D08000",
    "r c #E00000",
    "w c #FFFFFF",
    "y c #FFE000",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    ".kbbbbbbbbbbbbbbbbbbbbbbbbbbbbk.",
    "knbbbbbbbbbbbbbbbbbbbbbbbbbbbbnk",
    "knnnnnnnnnnnnnnnnnnnnnnnnnnnnnnk",
    "knnnnnnnnnnnyyyyyyyyyyyynnnnnnnk",
    "knnnnnnnnnnnyyyyyyyyyyyynnnnnnnk",
    "knnnnnnnnnnnyyyyyyyyyyyynnnnnnnk",
    "knnnnnnnnnnnynnnnnnnnnnynnnnnnnk",
    "knnnnnnnnnnnynnnnnnnnnnynnnnnnnk",
    "knnnnnnnnnnnynnnnnnnnnnynnnnnnnk",
    "knnnnnnnnnnnynnnnnnyyynynnnnnnnk",
    "knnnnnnnnnnnynnnnyyyyyyynnnnnnnk",
    "knnnnnnnyyynynnnnyyyyyyynnnnnnnk",
    "knnnnnyyyyyyynnnnyoyyyyynnnnnnnk",
    "knnnnnyyyyyyynnnnnnooynnnnnnnnnk",
    "knnnnnyoyyyyynnnnnnnnnnnnnnnnnnk",
    "knnnnnnnooynnnnnnnnnnnnnnnnnnnnk",
    "knkkkkkkkkkkkkkkkkkkkkkkkkkkkknk",
    "kngww###w###wwgww###w###w###wgnk",
    "kngww###w###wwgww###w###w###wgnk",
    "kngww###w###wwgww###w###w###wgnk",
    "kngww###w###wwgww###w###w###wgnk",
    "kngww###w###wwgww###w###w###wgnk",
    "kngww###w###wwgww###w###w###wgnk",
    "kngwwd#dwd#dwwgwwd#dwd#dwd#dwgnk",
    "kngwwwgwwwgwwwgwwwgwwwgwwwgwwgnk",
    "kngwwwgwwwgwrrgwwwgwwwgwwwgwwgnk",
    "kngwwwgwwwgwrrgwwwgwwwgwwwgwwgnk",
    "kngwwwgwwwgwwwgwwwgwwwgwwwgwwgnk",
    "knggggggggggggggggggggggggggggnk",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk.."
    // clang-format on
};

QPixmap ClavitoIconPixmap();
QIcon ClavitoIcon();
