#include "appointment/LrmxFile.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <array>

namespace appointment {

namespace {

// The elements that hold one value each, with the value's index.
struct Element {
    const char* name;
    int index;
};
constexpr std::array kElements{
    Element{"XingMing", kLrmName},
    Element{"XingBie", kLrmSex},
    Element{"ChuShengNianYue", kLrmBirth},
    Element{"MinZu", kLrmNation},
    Element{"JiGuan", kLrmNativePlace},
    Element{"ChuShengDi", kLrmBirthplace},
    Element{"RuDangShiJian", kLrmPartyDate},
    Element{"CanJiaGongZuoShiJian", kLrmWorkStart},
    Element{"JianKangZhuangKuang", kLrmHealth},
    Element{"ZhengZhiMianMao", kLrmPolitical},
    Element{"ShenFenZheng", kLrmIdNumber},
    Element{"ZhuanYeJiShuZhiWu", kLrmTitle},
    Element{"ShuXiZhuanYeYouHeZhuanChang", kLrmSpeciality},
    Element{"XianRenZhiWu", kLrmCurrentPost},
    Element{"NiRenZhiWu", kLrmProposedPost},
    Element{"NiMianZhiWu", kLrmProposedRemoval},
    Element{"JianLi", kLrmResume},
    Element{"JiangChengQingKuang", kLrmRewards},
    Element{"NianDuKaoHeJieGuo", kLrmAssessment},
    Element{"RenMianLiYou", kLrmReason},
    Element{"ChengBaoDanWei", kLrmReportingUnit},
    Element{"JiSuanNianLingShiJian", kLrmAgeDate},
    Element{"TianBiaoShiJian", kLrmFilledOn},
    Element{"TianBiaoRen", kLrmFilledBy},
};

// The education elements of each kind of study: education, degree, and the school named with
// the education and with the degree.
struct Study {
    const char* education;
    const char* degree;
    const char* school;
    const char* degreeSchool;
};
constexpr std::array kStudies{
    Study{"QuanRiZhiJiaoYu_XueLi", "QuanRiZhiJiaoYu_XueWei", "QuanRiZhiJiaoYu_XueLi_BiYeYuanXiaoXi",
          "QuanRiZhiJiaoYu_XueWei_BiYeYuanXiaoXi"},
    Study{"ZaiZhiJiaoYu_XueLi", "ZaiZhiJiaoYu_XueWei", "ZaiZhiJiaoYu_XueLi_BiYeYuanXiaoXi",
          "ZaiZhiJiaoYu_XueWei_BiYeYuanXiaoXi"},
};

// The parts of a family member, in the order of the family values 20 to 24.
constexpr std::array kMemberParts{"ChengWei", "XingMing", "ChuShengRiQi", "ZhengZhiMianMao",
                                  "GongZuoDanWeiJiZhiWu"};

const QString kVersion = QStringLiteral("1.0");

// `text` without the control characters that XML 1.0 cannot hold (all below U+0020 but tab,
// line feed and carriage return), so that every reader accepts the file.
QString xmlText(QString text) {
    text.removeIf(
        [](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    return text;
}

// Writes the element `name` holding `text`. A carriage return is written as a character
// reference, since XML readers turn a written one into a line feed.
void writeText(QXmlStreamWriter& xml, const char* name, const QString& text) {
    xml.writeStartElement(QString::fromLatin1(name));
    const QStringList pieces = xmlText(text).split(u'\r');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            xml.writeEntityReference(QStringLiteral("#13"));
        }
        xml.writeCharacters(pieces.at(i));
    }
    xml.writeEndElement();
}

QString item(const QString& value, int i) {
    return value.split(u'@').value(i);
}
QString part(const QString& text, int i) {
    return text.split(u'#').value(i);
}

// The "@" list of `items` without the empty ones at its end.
QString joinItems(QStringList items) {
    while (!items.isEmpty() && items.constLast().isEmpty()) {
        items.removeLast();
    }
    return items.join(u'@');
}

// Reads one <Item> of the family into `members` (five parts).
void readMember(QXmlStreamReader& xml, std::array<QStringList, 5>& members) {
    std::array<QString, 5> member;
    while (xml.readNextStartElement()) {
        const auto found = std::find_if(kMemberParts.begin(), kMemberParts.end(), [&](auto name) {
            return xml.name() == QLatin1String(name);
        });
        if (found != kMemberParts.end()) {
            member[static_cast<size_t>(found - kMemberParts.begin())] = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    for (size_t i = 0; i < members.size(); ++i) {
        members[i] << member[i];
    }
}

}  // namespace

Result<LrmRecord> parseLrmx(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Person")) {
        return Failure{kLrmBadXml + QStringLiteral("没有<Person>元素。"), {}};
    }
    LrmRecord record;
    record.values = QStringList(kLrmRecordSize, QString());
    std::array<std::array<QString, 4>, 2> studies;
    std::array<QStringList, 5> members;
    QByteArray photo;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("JiaTingChengYuan")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("Item")) {
                    readMember(xml, members);
                } else {
                    xml.skipCurrentElement();
                }
            }
            continue;
        }
        if (name == QLatin1String("ZhaoPian")) {
            photo = xml.readElementText().toLatin1();
            continue;
        }
        bool known = false;
        for (const Element& element : kElements) {
            if (name == QLatin1String(element.name)) {
                record.values[element.index] = xml.readElementText();
                known = true;
                break;
            }
        }
        for (size_t s = 0; s < kStudies.size() && !known; ++s) {
            const std::array names{kStudies[s].education, kStudies[s].degree, kStudies[s].school,
                                   kStudies[s].degreeSchool};
            for (size_t n = 0; n < names.size(); ++n) {
                if (name == QLatin1String(names[n])) {
                    studies[s][n] = xml.readElementText();
                    known = true;
                }
            }
        }
        if (!known) {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        return Failure{kLrmBadXml + xml.errorString(), {}};
    }
    if (!photo.trimmed().isEmpty()) {
        const auto decoded = QByteArray::fromBase64Encoding(
            photo.simplified().replace(' ', QByteArray()), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded) {
            return Failure{kLrmBadXml + QStringLiteral("照片不是Base64编码。"), {}};
        }
        record.photo = *decoded;
    }
    QStringList educations;
    QStringList schools;
    for (const auto& study : studies) {
        educations << (study[0].isEmpty() && study[1].isEmpty() ? QString()
                                                                : study[0] + u'#' + study[1]);
        schools << (study[2].isEmpty() ? study[3] : study[2]);
    }
    record.values[kLrmEducation] = joinItems(educations);
    record.values[kLrmSchools] = joinItems(schools);
    for (size_t i = 0; i < members.size(); ++i) {
        record.values[kLrmFamilyRelation + static_cast<int>(i)] = members[i].join(u'@');
    }
    return record;
}

QByteArray lrmxBytes(const LrmRecord& record) {
    const auto value = [&record](int index) { return record.values.value(index); };
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Person"));
    for (const Element& element : kElements) {
        writeText(xml, element.name, value(element.index));
    }
    for (size_t s = 0; s < kStudies.size(); ++s) {
        const QString education = item(value(kLrmEducation), static_cast<int>(s));
        const QString school = item(value(kLrmSchools), static_cast<int>(s));
        writeText(xml, kStudies[s].education, part(education, 0));
        writeText(xml, kStudies[s].degree, part(education, 1));
        writeText(xml, kStudies[s].school, school);
        writeText(xml, kStudies[s].degreeSchool, part(education, 1).isEmpty() ? QString() : school);
    }
    xml.writeStartElement(QStringLiteral("JiaTingChengYuan"));
    std::array<QStringList, 5> lists;
    qsizetype count = 0;
    for (size_t i = 0; i < lists.size(); ++i) {
        lists[i] = value(kLrmFamilyRelation + static_cast<int>(i)).split(u'@');
        while (!lists[i].isEmpty() && lists[i].constLast().isEmpty()) {
            lists[i].removeLast();
        }
        count = std::max(count, lists[i].size());
    }
    for (qsizetype m = 0; m < count; ++m) {
        xml.writeStartElement(QStringLiteral("Item"));
        for (size_t i = 0; i < lists.size(); ++i) {
            writeText(xml, kMemberParts[i], lists[i].value(m));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("ZhaoPian"), QString::fromLatin1(record.photo.toBase64()));
    xml.writeTextElement(QStringLiteral("Version"), kVersion);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

}  // namespace appointment
