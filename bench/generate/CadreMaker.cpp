#include "generate/CadreMaker.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "generate/Calendar.h"
#include "generate/Vocabulary.h"
#include "text/Pinyin.h"

namespace synth {

namespace {

constexpr int kFirstAssessedYear = 2020;
constexpr int kLastAssessedYear = 2024;
constexpr int kPhotoPoolSize = 12;
const QChar kListSeparator(u'、');

int ageAt(int birthMonth, int month) {
    return (month - birthMonth) / 12;
}

bool holds(const std::vector<Post>& posts, int unit, const QString& title) {
    return std::any_of(posts.begin(), posts.end(),
                       [&](const Post& p) { return p.unit == unit && p.title == title; });
}

// A period line of the resume: "1985.09-1989.07 content"; an open period has seven blanks
// where its end would be.
QString resumeLine(int start, int end, const QString& content) {
    const QString until = end < 0 ? QString(7, u' ') : monthText(end);
    return monthText(start) + u'-' + until + u' ' + content;
}

}  // namespace

QString currentPostText(const Organisation& organisation, const std::vector<Post>& posts) {
    QString text;
    int previous = -1;
    for (const Post& post : posts) {
        if (post.unit != previous) {
            if (!text.isEmpty()) {
                text.chop(1);
                text += u'，';
            }
            text += organisation.unit(post.unit).name + post.title + kListSeparator;
            previous = post.unit;
        } else {
            text += post.title + kListSeparator;
        }
    }
    if (text.endsWith(kListSeparator)) {
        text.chop(1);
    }
    return text;
}

bool CadreMaker::prepare(QString& error) {
    cadre_ = std::make_unique<RowInsert>(
        db_,
        "insert into tb_cadre (CadreID,gbOrd,Classid,xm,py,xb,csny,csnyStr,mz,jgsheng,cssheng,"
        "zzmm,rdsj,rdsjStr,gzsj,gzsjStr,zwjb,zwjbTime,zwjbTimeStr,allZwList,allRzsjList,xrz,gxl,"
        "gxlxx,gxw,qrzxl,qrzxxzy,qrzxw,zzxl,zzxxzy,zzxw,ctype,rybz,jkzk,gzjl,jcNote,khNote,tel,"
        "zjType,zjh,photo,ZwLock) values (?,?,0,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
        "?,?,?,?,?,?,?,?,?,?,?,?,?,0)");
    post_ = std::make_unique<RowInsert>(
        db_,
        "insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,rzsjstr,mzsj,"
        "mzsjstr,zs,emptyNode) values (?,?,?,?,?,?,?,?,?,?,0,0)");
    membership_ = std::make_unique<RowInsert>(
        db_,
        "insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,zwList,rzsjList,nobz,jrsj,jrsjStr,"
        "bind) values (?,?,?,?,?,0,?,?,0)");
    family_ = std::make_unique<RowInsert>(
        db_,
        "insert into tb_family (CadreID,ford,cw,xm,cssj,cssjStr,zzmm,dw) values "
        "(?,?,?,?,?,?,?,?)");
    assessment_ = std::make_unique<RowInsert>(
        db_, "insert into tb_kc (cid,kcYear,kcsj,kclb,kcName,kcjl) values (?,?,?,?,?,?)");
    reward_ = std::make_unique<RowInsert>(
        db_,
        "insert into tb_jc (cid,dxType,jclbx,jclb,jcmc,jcyy,jcsj,jcjg) values "
        "(?,0,?,?,?,?,?,?)");
    for (const RowInsert* insert : {cadre_.get(), post_.get(), membership_.get(), family_.get(),
                                    assessment_.get(), reward_.get()}) {
        if (!insert->isValid()) {
            error = insert->errorText();
            return false;
        }
    }
    makePhotos();
    if (photos_.empty()) {
        error = QStringLiteral("cannot encode JPEG pictures: the Qt JPEG image plugin is missing");
        return false;
    }
    return true;
}

// A handful of passport-style pictures, shared by the cadres that get a photo.
void CadreMaker::makePhotos() {
    const QColor backgrounds[] = {QColor(0x43, 0x8e, 0xdb), QColor(0xf4, 0xf4, 0xf4),
                                  QColor(0xd9, 0x26, 0x1c)};
    const QColor suits[] = {QColor(0x22, 0x26, 0x33), QColor(0x30, 0x3a, 0x4c),
                            QColor(0x1b, 0x1b, 0x1b)};
    for (int i = 0; i < kPhotoPoolSize; ++i) {
        QImage image(120, 150, QImage::Format_RGB32);
        image.fill(backgrounds[i % 3]);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            QPainterPath body;
            body.moveTo(10, 150);
            body.cubicTo(14, 110, 40, 102, 60, 102);
            body.cubicTo(80, 102, 106, 110, 110, 150);
            painter.setBrush(suits[i / 3 % 3]);
            painter.drawPath(body);
            painter.setBrush(QColor(0xf0, 0xf0, 0xf0));
            painter.drawPolygon(QPolygonF({QPointF(50, 103), QPointF(70, 103), QPointF(60, 128)}));
            const int skin = 200 + random_.below(30);
            painter.setBrush(QColor(skin + 20, skin - 10, skin - 40));
            painter.drawEllipse(QRectF(38, 36 + i % 4, 44, 56));
            painter.setBrush(QColor(0x20 + i * 3, 0x1a + i * 2, 0x16));
            painter.drawChord(QRectF(36, 28 + i % 4, 48, 44), 0, 180 * 16);
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (image.save(&buffer, "JPG", 85)) {
            photos_.push_back(jpeg);
        }
    }
}

QString CadreMaker::personName(const QString& surname, bool male) {
    const Vocabulary& words = vocabulary();
    const QStringList& given = male ? words.maleGivenNames : words.femaleGivenNames;
    if (random_.percent(30)) {
        return surname + random_.pick(given);
    }
    return surname + random_.pick(given) + random_.pick(given);
}

// Eighteen characters: area, date of birth, a sequence number that is odd for men, and the
// ISO 7064 MOD 11-2 check character.
QString CadreMaker::identityNumber(int birthMonth, bool male) {
    const Place& place = random_.pick(vocabulary().places);
    const int sequence = random_.between(0, 499) * 2 + (male ? 1 : 0);
    const QString body = place.areaCode + QStringLiteral("%1%2%3%4")
                                              .arg(yearOf(birthMonth))
                                              .arg(birthMonth % 12 + 1, 2, 10, QChar(u'0'))
                                              .arg(random_.between(1, 28), 2, 10, QChar(u'0'))
                                              .arg(sequence, 3, 10, QChar(u'0'));
    static const int weights[] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (int i = 0; i < 17; ++i) {
        sum += body[i].digitValue() * weights[i];
    }
    return body + QLatin1Char("10X98765432"[sum % 11]);
}

CadreMaker::Education CadreMaker::makeEducation(int birthMonth) {
    const Vocabulary& words = vocabulary();
    Education e;
    const int birthYear = yearOf(birthMonth);
    const int kind = random_.weighted({12, 55, 23, 10});  // postgraduate, university, college,
                                                          // secondary vocational school
    const Major& major = random_.pick(words.majors);
    const QString& city = random_.pick(words.places).city;
    QString school;
    int entrance = birthYear + 18 + random_.below(2);
    int years = 4;
    switch (kind) {
        case 0:
        case 1:
            school = random_.pick(words.universities);
            break;
        case 2:
            school = city + random_.pick(QStringList{QStringLiteral("职业技术学院"),
                                                     QStringLiteral("师范专科学校"),
                                                     QStringLiteral("广播电视大学")});
            years = 3;
            break;
        default:
            school = city + random_.pick(QStringList{QStringLiteral("财经学校"),
                                                     QStringLiteral("农业学校"),
                                                     QStringLiteral("卫生学校")});
            entrance = birthYear + 15 + random_.below(2);
            years = 3;
    }
    int graduation = entrance + years;
    e.resume << resumeLine(monthOf(entrance, 9), monthOf(graduation, 7),
                           school + major.name + QStringLiteral("专业学习"));
    e.fullTimeSchool = school + major.name + QStringLiteral("专业");
    switch (kind) {
        case 0:
            e.resume << resumeLine(monthOf(graduation, 9), monthOf(graduation + 3, 7),
                                   school + major.name + QStringLiteral("专业硕士研究生"));
            graduation += 3;
            e.fullTime = QStringLiteral("研究生");
            e.fullTimeDegree = major.discipline + QStringLiteral("硕士");
            break;
        case 1:
            e.fullTime = QStringLiteral("大学");
            if (random_.percent(90)) {
                e.fullTimeDegree = major.discipline + QStringLiteral("学士");
            }
            break;
        case 2:
            e.fullTime = QStringLiteral("大专");
            break;
        default:
            e.fullTime = QStringLiteral("中专");
    }
    if (kind > 0 && random_.percent(25)) {
        if (kind == 1) {
            e.inService = QStringLiteral("研究生");
            e.inServiceSchool = random_.pick(words.universities) + QStringLiteral("公共管理专业");
            if (random_.percent(60)) {
                e.inServiceDegree = QStringLiteral("公共管理硕士");
            }
        } else {
            e.inService = QStringLiteral("大学");
            e.inServiceSchool = random_.percent(50) ? QStringLiteral("中央党校函授学院经济管理专业")
                                                    : QStringLiteral("省委党校行政管理专业");
        }
    }
    e.workStart = monthOf(graduation, 7) + random_.between(1, 3);
    return e;
}

// The posts held before the current ones, one after the other from the start of work, each
// at most one rank below the next; `currentStart` gets the month the current post began.
std::vector<Post> CadreMaker::makeFormerPosts(int workStart, int rank, int& currentStart) {
    const int count = std::min(1 + random_.below(6), kPresentMonth - workStart);
    std::vector<int> changes{workStart};
    while (static_cast<int>(changes.size()) <= count) {
        const int month = random_.between(workStart + 1, kPresentMonth);
        if (std::find(changes.begin(), changes.end(), month) == changes.end()) {
            changes.push_back(month);
        }
    }
    std::sort(changes.begin(), changes.end());
    std::vector<Post> former;
    for (int i = 0; i < count; ++i) {
        Post post =
            organisation_.postOfRank(random_, std::min<int>(Assistant, rank + (count - i + 1) / 2));
        post.start = changes[static_cast<size_t>(i)];
        post.end = changes[static_cast<size_t>(i) + 1];
        former.push_back(post);
    }
    currentStart = changes.back();
    return former;
}

// The main post first; further posts either in the same unit at the same rank or elsewhere at
// the same rank or below, some of them without a known date.
std::vector<Post> CadreMaker::makeCurrentPosts(const Post& primary) {
    std::vector<Post> current{primary};
    const int count = 1 + random_.weighted({70, 22, 8});
    for (int n = 1; n < count; ++n) {
        for (int attempt = 0; attempt < 8; ++attempt) {
            Post post;
            if (random_.percent(50)) {
                post.unit = primary.unit;
                std::vector<const PostKind*> fitting;
                for (const PostKind& k : organisation_.unit(primary.unit).posts) {
                    if (k.rank == primary.rank && !holds(current, primary.unit, k.title)) {
                        fitting.push_back(&k);
                    }
                }
                if (fitting.empty()) {
                    continue;
                }
                post.title = random_.pick(fitting)->title;
                post.rank = primary.rank;
            } else {
                post.unit = organisation_.pickUnit(random_);
                const PostKind& kind = organisation_.pickPost(random_, post.unit);
                if (kind.rank < primary.rank || holds(current, post.unit, kind.title)) {
                    continue;
                }
                post.title = kind.title;
                post.rank = kind.rank;
            }
            post.start = random_.percent(90) ? random_.between(primary.start, kPresentMonth) : -1;
            current.push_back(post);
            break;
        }
    }
    return current;
}

QString CadreMaker::youngPersonParty(int age) {
    if (age < 14) {
        return QStringLiteral("群众");
    }
    if (age < 25) {
        return random_.percent(60) ? QStringLiteral("共青团员") : QStringLiteral("群众");
    }
    const int p = random_.weighted({30, 30, 40});
    return p == 0 ? QStringLiteral("中共党员")
                  : (p == 1 ? QStringLiteral("共青团员") : QStringLiteral("群众"));
}

// Spouse, children, parents and sometimes a brother or sister: two to six people.
std::vector<CadreMaker::Relative> CadreMaker::makeFamily(bool male, const QString& surname,
                                                         int birthMonth) {
    const Vocabulary& words = vocabulary();
    std::vector<Relative> family;
    const int age = ageAt(birthMonth, kPresentMonth);
    const auto adultEmployer = [&](int birth) {
        return ageAt(birth, kPresentMonth) >= 60 ? QStringLiteral("退休")
                                                 : random_.pick(words.employers);
    };
    const auto adultParty = [&]() {
        const int p = random_.weighted({45, 45, 10});
        return p == 0 ? QStringLiteral("中共党员")
                      : (p == 1 ? QStringLiteral("群众") : random_.pick(words.minorParties));
    };
    QString childSurname = surname;
    if (age >= 26 && random_.percent(92)) {
        Relative spouse;
        spouse.relation = male ? QStringLiteral("妻子") : QStringLiteral("丈夫");
        const QString spouseSurname = words.surnames[random_.frontBiased(words.surnames.size())];
        if (!male) {
            childSurname = spouseSurname;
        }
        spouse.name = personName(spouseSurname, !male);
        spouse.birth = std::min(birthMonth + random_.between(-36, 48), monthOf(2000, 12));
        spouse.party = adultParty();
        spouse.employer = adultEmployer(spouse.birth);
        family.push_back(spouse);
    }
    if (age >= 28) {
        const int children = random_.weighted({15, 60, 25});
        bool sons[2] = {random_.percent(52), random_.percent(52)};
        for (int i = 0; i < children; ++i) {
            Relative child;
            child.birth = birthMonth + random_.between(24 * 12, 36 * 12) + i * 30;
            if (child.birth > kPresentMonth - 6) {
                break;
            }
            const bool son = sons[i];
            if (children == 1 || sons[0] != sons[1]) {
                child.relation = son ? QStringLiteral("儿子") : QStringLiteral("女儿");
            } else if (son) {
                child.relation = i == 0 ? QStringLiteral("长子") : QStringLiteral("次子");
            } else {
                child.relation = i == 0 ? QStringLiteral("长女") : QStringLiteral("次女");
            }
            child.name = personName(childSurname, son);
            const int childAge = ageAt(child.birth, kPresentMonth);
            child.party = youngPersonParty(childAge);
            if (childAge < 6) {
                child.employer = QStringLiteral("学龄前儿童");
            } else if (childAge < 12) {
                child.employer = QStringLiteral("区实验小学学生");
            } else if (childAge < 18) {
                child.employer = QStringLiteral("市第一中学学生");
            } else if (childAge < 22) {
                child.employer = random_.pick(words.universities) + QStringLiteral("学生");
            } else {
                child.employer = random_.pick(words.employers);
            }
            family.push_back(child);
        }
    }
    for (const bool father : {true, false}) {
        Relative parent;
        parent.relation = father ? QStringLiteral("父亲") : QStringLiteral("母亲");
        parent.name =
            father ? personName(surname, true)
                   : personName(words.surnames[random_.frontBiased(words.surnames.size())], false);
        parent.birth = birthMonth - random_.between(22 * 12, 34 * 12);
        parent.party = random_.percent(40) ? QStringLiteral("中共党员") : QStringLiteral("群众");
        if (yearOf(parent.birth) < 1945 && random_.percent(50)) {
            parent.employer = QStringLiteral("已去世");
        } else if (random_.percent(25)) {
            parent.employer = QStringLiteral("务农");
        } else {
            parent.employer = adultEmployer(parent.birth);
        }
        family.push_back(parent);
    }
    if (random_.percent(20)) {
        Relative sibling;
        const bool brother = random_.percent(50);
        const int gap = random_.between(12, 96);
        const bool older = random_.percent(50);
        sibling.birth = older ? birthMonth - gap : birthMonth + gap;
        sibling.relation = brother ? (older ? QStringLiteral("哥哥") : QStringLiteral("弟弟"))
                                   : (older ? QStringLiteral("姐姐") : QStringLiteral("妹妹"));
        sibling.name = personName(surname, brother);
        sibling.party = adultParty();
        sibling.employer = adultEmployer(sibling.birth);
        family.push_back(sibling);
    }
    return family;
}

bool CadreMaker::write(int id, QString& error) {
    const Vocabulary& words = vocabulary();
    const bool male = random_.percent(68);
    const QString surname = words.surnames[random_.frontBiased(words.surnames.size())];
    QString name = personName(surname, male);
    if (name.size() == 2) {
        // A two-character name is kept with two blanks between its characters.
        name.insert(1, QStringLiteral("  "));
    }
    const int birthMonth = monthOf(random_.between(1960, 1995), random_.between(1, 12));
    const QString nation =
        random_.percent(92) ? QStringLiteral("汉族") : random_.pick(words.minorities);
    const Place& origin = random_.pick(words.places);
    const Place& birthPlace = random_.percent(85) ? origin : random_.pick(words.places);
    const Education education = makeEducation(birthMonth);
    const int workStart = education.workStart;
    lastWorkStart_ = workStart;

    QString party;
    int joinedParty = -1;
    switch (random_.weighted({84, 6, 7, 3})) {
        case 0: {
            party = QStringLiteral("中共党员");
            const int earliest = birthMonth + 18 * 12 + 6;
            joinedParty = random_.between(
                earliest, std::max(earliest, std::min(workStart + 120, kPresentMonth - 1)));
            break;
        }
        case 1:
            party = random_.pick(words.minorParties);
            break;
        case 2:
            party = QStringLiteral("群众");
            break;
        default:
            party = ageAt(birthMonth, kPresentMonth) < 35 ? QStringLiteral("共青团员")
                                                          : QStringLiteral("群众");
    }

    Post primary;
    primary.unit = organisation_.pickUnit(random_);
    const PostKind& kind = organisation_.pickPost(random_, primary.unit);
    primary.title = kind.title;
    primary.rank = kind.rank;
    int currentStart = 0;
    const std::vector<Post> former = makeFormerPosts(workStart, primary.rank, currentStart);
    primary.start = currentStart;
    const std::vector<Post> current = makeCurrentPosts(primary);
    const QString postText = currentPostText(organisation_, current);

    QStringList resume = education.resume;
    for (const Post& post : former) {
        resume << resumeLine(post.start, post.end, organisation_.unit(post.unit).name + post.title);
    }
    resume << resumeLine(currentStart, -1, postText);

    int types = primary.rank <= SectionDeputy ? 1 : 2;  // leading or other cadre
    if (random_.percent(10)) {
        types |= 4;  // in reserve
    }
    if (random_.percent(3)) {
        types |= 8;
    }
    const int status = random_.weighted({70, 15, 15});
    const QString personnel = status == 0   ? QStringLiteral("公务员")
                              : status == 1 ? QStringLiteral("参照公务员法管理")
                                            : QStringLiteral("事业单位管理人员");
    const QString phone =
        QStringLiteral("1%1%2")
            .arg(random_.pick(QStringList{QStringLiteral("3"), QStringLiteral("5"),
                                          QStringLiteral("8"), QStringLiteral("9")}))
            .arg(random_.between(100000000, 999999999));
    const QString identity = identityNumber(birthMonth, male);
    const QByteArray* photo = nullptr;
    if (random_.percent(30)) {
        photo = &photos_[static_cast<size_t>(random_.below(static_cast<int>(photos_.size())))];
        ++counts_.photos;
    }

    QString assessmentNote;
    QString rewardNote;
    if (!writePosts(id, current, former) || !writeMemberships(id, current) ||
        !writeFamily(id, makeFamily(male, surname, birthMonth)) ||
        !writeAssessments(id, workStart, assessmentNote) ||
        !writeRewards(id, workStart, party == u"中共党员", rewardNote)) {
        error = QString::fromUtf8(sqlite3_errmsg(db_));
        return false;
    }
    const bool inService = !education.inService.isEmpty();
    cadre_->integer(id)
        .integer(id)
        .text(name)
        .text(text::pinyinInitials(name))
        .text(male ? QStringLiteral("男") : QStringLiteral("女"))
        .month(birthMonth)
        .monthText(birthMonth)
        .text(nation)
        .text(origin.province + origin.city)
        .text(birthPlace.province + birthPlace.city)
        .text(party)
        .month(joinedParty)
        .monthText(joinedParty)
        .month(workStart)
        .monthText(workStart)
        .text(vocabulary().rankNames[primary.rank])
        .month(currentStart)
        .monthText(currentStart)
        .text(postText)
        .monthText(currentStart)
        .text(postText)
        .text(inService ? education.inService : education.fullTime)
        .text(inService ? education.inServiceSchool : education.fullTimeSchool)
        .text(inService && !education.inServiceDegree.isEmpty() ? education.inServiceDegree
                                                                : education.fullTimeDegree)
        .text(education.fullTime)
        .text(education.fullTimeSchool)
        .text(education.fullTimeDegree)
        .text(education.inService)
        .text(education.inServiceSchool)
        .text(education.inServiceDegree)
        .integer(types)
        .text(personnel)
        .text(QStringLiteral("健康"))
        .text(resume.join(QStringLiteral("\r\n")))
        .text(rewardNote)
        .text(assessmentNote)
        .text(phone)
        .text(QStringLiteral("居民身份证"))
        .text(identity)
        .blob(photo);
    if (!cadre_->run()) {
        error = cadre_->errorText();
        return false;
    }
    ++counts_.cadres;
    return true;
}

bool CadreMaker::writePosts(int id, const std::vector<Post>& current,
                            const std::vector<Post>& former) {
    for (const auto& [status, posts] : {std::pair{1, &current}, std::pair{2, &former}}) {
        int order = 0;
        for (const Post& post : *posts) {
            const Unit& unit = organisation_.unit(post.unit);
            post_->integer(id)
                .integer(status)
                .integer(unit.id)
                .text(unit.name)
                .text(post.title)
                .integer(++order)
                .month(post.start)
                .monthText(post.start)
                .month(post.end)
                .monthText(post.end);
            if (!post_->run()) {
                return false;
            }
        }
    }
    counts_.currentPosts += static_cast<qint64>(current.size());
    counts_.formerPosts += static_cast<qint64>(former.size());
    return true;
}

// One membership for each unit of the current posts, in the order of their first post there.
bool CadreMaker::writeMemberships(int id, const std::vector<Post>& current) {
    std::vector<int> done;
    for (const Post& first : current) {
        if (std::find(done.begin(), done.end(), first.unit) != done.end()) {
            continue;
        }
        done.push_back(first.unit);
        QStringList titles;
        QStringList months;
        int joined = -1;
        for (const Post& post : current) {
            if (post.unit != first.unit) {
                continue;
            }
            titles << post.title;
            if (post.start >= 0) {
                months << monthText(post.start);
                joined = joined < 0 ? post.start : std::min(joined, post.start);
            }
        }
        Unit& unit = organisation_.units()[static_cast<size_t>(first.unit)];
        membership_->integer(id)
            .integer(unit.id)
            .integer(++unit.members)
            .text(titles.join(kListSeparator))
            .text(months.join(kListSeparator))
            .month(joined)
            .monthText(joined);
        if (!membership_->run()) {
            return false;
        }
        ++counts_.memberships;
    }
    return true;
}

bool CadreMaker::writeFamily(int id, const std::vector<Relative>& family) {
    int order = 0;
    for (const Relative& r : family) {
        family_->integer(id)
            .integer(++order)
            .text(r.relation)
            .text(r.name)
            .month(r.birth)
            .monthText(r.birth)
            .text(r.party)
            .text(r.employer);
        if (!family_->run()) {
            return false;
        }
    }
    counts_.familyMembers += static_cast<qint64>(family.size());
    return true;
}

// One annual assessment for each year worked since 2020; `note` gets the text printed on the
// approval form.
bool CadreMaker::writeAssessments(int id, int workStart, QString& note) {
    QStringList results;
    for (int year = std::max(kFirstAssessedYear, yearOf(workStart) + 1); year <= kLastAssessedYear;
         ++year) {
        const int grade = random_.weighted({18, 78, 3, 1});
        const QString result = grade == 0   ? QStringLiteral("优秀")
                               : grade == 1 ? QStringLiteral("称职")
                               : grade == 2 ? QStringLiteral("基本称职")
                                            : QStringLiteral("不称职");
        const QString name = QString::number(year) + QStringLiteral("年度考核");
        assessment_->integer(id)
            .integer(year)
            .date(QDate(year, 12, 31))
            .text(QStringLiteral("年度考核"))
            .text(name)
            .text(result);
        if (!assessment_->run()) {
            return false;
        }
        results << name + result;
        ++counts_.assessments;
    }
    note = results.isEmpty() ? QString() : results.join(u'；') + u'。';
    return true;
}

bool CadreMaker::writeRewards(int id, int workStart, bool partyMember, QString& note) {
    const Vocabulary& words = vocabulary();
    QStringList texts;
    const int count = random_.percent(25) ? 1 + random_.below(2) : 0;
    const int firstYear = yearOf(workStart) + 1;
    for (int i = 0; i < count && firstYear <= kLastAssessedYear; ++i) {
        const int year = random_.between(firstYear, kLastAssessedYear);
        QString kind = random_.pick(words.rewardKinds);
        if (!partyMember && kind == u"优秀共产党员") {
            kind = QStringLiteral("嘉奖");
        }
        const QString name = QString::number(year) + QStringLiteral("年度") + kind;
        reward_->integer(id)
            .text(QStringLiteral("奖类"))
            .text(kind)
            .text(name)
            .text(QStringLiteral("工作成绩突出"))
            .date(QDate(year, 12, 20))
            .text(random_.pick(words.rewardBodies));
        if (!reward_->run()) {
            return false;
        }
        texts << name;
        ++counts_.rewards;
    }
    note = texts.isEmpty() ? QStringLiteral("无") : texts.join(u'；') + u'。';
    return true;
}

}  // namespace synth
