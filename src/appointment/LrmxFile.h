#pragma once

#include <QByteArray>

#include "appointment/LrmFile.h"
#include "db/Result.h"

// The ".lrmx" approval-form file: UTF-8 XML with the root <Person>, one child element per value
// (XingMing, XingBie, ChuShengNianYue ...), the family as <JiaTingChengYuan> with one <Item> per
// member, and the photo as Base64 JPEG in <ZhaoPian>. The values are those of the ".lrm" file
// (LrmIndex), so that both files go through the same import and export.
namespace appointment {

// The record that an ".lrmx" file holds. Education and schools are joined into the ".lrm" form
// (full-time "@" in-service, each education "#" degree), the family into its five "@" lists.
// Unknown elements are ignored; a file that is not well-formed XML, has no <Person> root or
// whose photo is not Base64 is refused with the reason.
Result<LrmRecord> parseLrmx(const QByteArray& bytes);

// The ".lrmx" file of `record`.
QByteArray lrmxBytes(const LrmRecord& record);

}  // namespace appointment
