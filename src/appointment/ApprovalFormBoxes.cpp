#include "appointment/ApprovalFormBoxes.h"

namespace appointment {

namespace {

constexpr qreal kRow = 10.5;

std::vector<FormBox> makeBoxes() {
    const auto box = [](int page, const char* column, qreal x, qreal y, qreal w, qreal h) {
        return FormBox{page, QString::fromLatin1(column).toLower(), QRectF(x, y, w, h)};
    };
    std::vector<FormBox> boxes{
        box(0, "xm", 16, 17, 20, kRow),
        box(0, "xb", 52, 17, 21, kRow),
        box(0, "csnyStr", 92, 17, 23, kRow),
        box(0, "photo", 115, 17, 33, 42),
        box(0, "mz", 16, 27.5, 20, kRow),
        box(0, "jgsheng", 52, 27.5, 21, kRow),
        box(0, "cssheng", 92, 27.5, 23, kRow),
        box(0, "rdsjStr", 16, 38, 20, kRow),
        box(0, "gzsjStr", 52, 38, 21, kRow),
        box(0, "jkzk", 92, 38, 23, kRow),
        box(0, "zyjszw", 16, 48.5, 36, kRow),
        box(0, "zytc", 73, 48.5, 42, kRow),
        box(0, "qrzxl", 36, 59, 37, kRow / 2),
        box(0, "qrzxw", 36, 59 + kRow / 2, 37, kRow / 2),
        box(0, "qrzxxzy", 93, 59, 55, kRow),
        box(0, "zzxl", 36, 69.5, 37, kRow / 2),
        box(0, "zzxw", 36, 69.5 + kRow / 2, 37, kRow / 2),
        box(0, "zzxxzy", 93, 69.5, 55, kRow),
        box(0, "xrz", 36, 80, 112, kRow),
        box(0, "nrz", 36, 90.5, 112, kRow),
        box(0, "nmz", 36, 101, 112, kRow),
        box(0, "gzjl", 13, 111.5, 135, 115),
        box(1, "jcNote", 11, 17, 137, 21),
        box(1, "khNote", 11, 38, 137, 15),
        box(1, "rmNote", 11, 53, 137, 21),
    };
    const qreal xs[5] = {11, 28, 48, 56, 72};
    const qreal ws[5] = {17, 20, 8, 16, 76};
    for (int k = 1; k <= 7; ++k) {
        for (int j = 1; j <= 5; ++j) {
            boxes.push_back({1, QStringLiteral("f_%1_%2").arg(k).arg(j),
                             QRectF(xs[j - 1], 84.5 + kRow * (k - 1), ws[j - 1], kRow)});
        }
    }
    boxes.push_back(box(1, "cbyj", 11, 158, 133.5, 19));
    boxes.push_back(box(1, "cbdw", 55, 177, 84.5, 5));
    boxes.push_back(box(1, "spyj", 11, 191, 62, 17));
    boxes.push_back(box(1, "rmyj", 85, 191, 62, 17));
    return boxes;
}

}  // namespace

const std::vector<FormBox>& approvalFormBoxes() {
    static const std::vector<FormBox> boxes = makeBoxes();
    return boxes;
}

report::Layout blankApprovalForm(const ApprovalSettings& settings) {
    ApprovalSource blank;
    // A party member's entry cell shows the (empty) month; anyone else's the status in brackets.
    blank.line.insert(QStringLiteral("zzmm"), QStringLiteral("中共党员"));
    return approvalFormLayout(blank, settings);
}

}  // namespace appointment
