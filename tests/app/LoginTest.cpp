#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/DataModule.h"
#include "app/Login.h"
#include "app/ui/TLoginForm.h"
#include "db/SqlText.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

// A working database with accounts; each test drives the real login dialog.
class LoginTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db::Database db;
        ASSERT_TRUE(db.open(home_.makeWorkingDatabase()));
        ASSERT_TRUE(db.exec(QStringLiteral("delete * from tb_manager")));
        ASSERT_TRUE(db.exec(QStringLiteral("update tb_general set name='某市委组织部'")));
        db.close();
    }

    void addUser(const QString& name, const QString& password, const QVariant& sysR = 1,
                 const QVariant& userType = 0) {
        db::Database db;
        ASSERT_TRUE(db.open(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"))));
        ASSERT_TRUE(db.exec(
            QStringLiteral("insert into tb_manager (userName,pw,righ_,rightx,sysR,usertype,clew) "
                           "values (?,?,'733333','12',?,?,False)"),
            {name, app::passwordDigest(password, name), sysR, userType}))
            << db.lastError();
    }

    void addUserWithoutOptionalColumns() {
        db::Database db;
        ASSERT_TRUE(db.open(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"))));
        ASSERT_TRUE(db.exec(QStringLiteral("insert into tb_manager (userName,pw,righ_) values "
                                           "('赵六',?,'733333')"),
                            {app::passwordDigest(QStringLiteral("p"), QStringLiteral("赵六"))}))
            << db.lastError();
    }

    // Starts the data module; the login dialog, when it comes, gets `typing` and then `press`.
    bool start(const std::function<void(TLoginForm&)>& typing, bool* loginShown = nullptr) {
        dm_ = std::make_unique<TDataM>(home_.path() + u'/');
        return dm_->create([&](TDataM& dm) {
            if (loginShown != nullptr) {
                *loginShown = true;
            }
            TLoginForm form(dm);
            form.show();
            label_ = form.findChild<QLabel*>(QStringLiteral("Label1"))->text();
            typing(form);
            return form.result() == QDialog::Accepted;
        });
    }

    static void type(TLoginForm& form, const QString& name, const QString& password) {
        form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1"))->setText(name);
        form.findChild<QLineEdit*>(QStringLiteral("cxTextEdit2"))->setText(password);
    }
    static void click(TLoginForm& form, const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    static QString field(TLoginForm& form, const char* name) {
        return form.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    TestHome home_;
    RecordingMessageService messages_;
    std::unique_ptr<TDataM> dm_;
    QString label_;
};

TEST_F(LoginTest, AdmitsARightPasswordAndFillsTheSession) {
    addUser(QStringLiteral("张三"), QStringLiteral("abc"));
    EXPECT_TRUE(start([](TLoginForm& f) {
        type(f, QStringLiteral("张三"), QStringLiteral("abc"));
        click(f, "cxButton2");
    }));
    EXPECT_FALSE(dm_->StartAborted);
    EXPECT_EQ(label_, QStringLiteral("某市委组织部"));
    EXPECT_GT(dm_->session().ManagerID, 0);
    EXPECT_EQ(dm_->session().righ_, QStringLiteral("733333"));
    EXPECT_EQ(dm_->session().rightx, QStringLiteral("12"));
    EXPECT_FALSE(dm_->session().clew);
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(LoginTest, RefusalsKeepTheDialogOpenWithTheirMessages) {
    addUser(QStringLiteral("张三"), QStringLiteral("abc"));
    EXPECT_FALSE(start([](TLoginForm& f) {
        type(f, QStringLiteral("李四"), QStringLiteral("abc"));
        click(f, "cxButton2");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(field(f, "cxTextEdit1"), QString());
        EXPECT_EQ(field(f, "cxTextEdit2"), QString());

        type(f, QStringLiteral("张三"), QStringLiteral("wrong"));
        click(f, "cxButton2");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(field(f, "cxTextEdit1"), QStringLiteral("张三"));
        EXPECT_EQ(field(f, "cxTextEdit2"), QString());

        click(f, "cxButton1");  // 退 出
    }));
    EXPECT_TRUE(dm_->StartAborted);
    EXPECT_EQ(messages_.texts(), (QStringList{QStringLiteral("用户名不存在，请重新输入"),
                                              QStringLiteral("口令错误，请重新输入")}));
    EXPECT_EQ(dm_->session().ManagerID, 0);
}

// Names compare without regard to case; the digest is always made over the stored name, so a
// name typed in another case logs in with the right password and is refused only for a wrong
// one. Where two accounts differ only in case, the exact spelling picks the account.
TEST_F(LoginTest, ANameTypedInAnotherCaseChecksThePasswordOfTheStoredName) {
    addUser(QStringLiteral("Admin"), QStringLiteral("a1"));
    addUser(QStringLiteral("wang"), QStringLiteral("w1"));
    addUser(QStringLiteral("WANG"), QStringLiteral("w2"));
    struct Case {
        const char* typedName;
        const char* password;
        const char* refusal;  // nullptr when admitted
        const char* storedName;
    };
    const Case cases[] = {
        {"admin", "a1", nullptr, "Admin"},
        {"ADMIN", "a1", nullptr, "Admin"},
        {"aDmIn", "wrong", "口令错误，请重新输入", nullptr},
        {"wang", "w1", nullptr, "wang"},
        {"WANG", "w2", nullptr, "WANG"},
        {"admins", "a1", "用户名不存在，请重新输入", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typedName);
        messages_.clear();
        const bool admitted = start([&](TLoginForm& f) {
            type(f, QString::fromUtf8(c.typedName), QString::fromUtf8(c.password));
            click(f, "cxButton2");
            if (f.isVisible()) {
                click(f, "cxButton1");
            }
        });
        EXPECT_EQ(admitted, c.refusal == nullptr);
        if (c.refusal != nullptr) {
            EXPECT_EQ(messages_.texts(), QStringList{QString::fromUtf8(c.refusal)});
            continue;
        }
        EXPECT_TRUE(messages_.shown().empty());
        db::Database db;
        ASSERT_TRUE(db.open(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"))));
        const auto accounts = db.query(QStringLiteral("select ManagerID,userName from tb_manager"));
        ASSERT_TRUE(accounts.has_value());
        int id = 0;
        for (const QVariantList& row : accounts->rows) {
            if (row[1].toString() == QString::fromUtf8(c.storedName)) {  // exact spelling
                id = row[0].toInt();
            }
        }
        EXPECT_EQ(dm_->session().ManagerID, id);
    }
}

TEST_F(LoginTest, UseRightDecidesByItsLowestBit) {
    struct Case {
        QVariant sysR;
        bool admitted;
    };
    const Case cases[] = {{0, true}, {1, true}, {2, false}, {3, true}, {QVariant(), true}};
    int n = 0;
    for (const Case& c : cases) {
        const QString name = QStringLiteral("用户%1").arg(++n);
        addUser(name, QStringLiteral("pw"), c.sysR);
        messages_.clear();
        const bool admitted = start([&](TLoginForm& f) {
            type(f, name, QStringLiteral("pw"));
            click(f, "cxButton2");
        });
        EXPECT_EQ(admitted, c.admitted) << c.sysR.toString();
        EXPECT_EQ(messages_.texts().contains(QStringLiteral("无使用权限!")), !c.admitted);
    }
}

TEST_F(LoginTest, EmptyPasswordGoesByTheButtonButEnterOnlyMovesOn) {
    addUser(QStringLiteral("王五"), QString());
    EXPECT_TRUE(start([](TLoginForm& f) {
        type(f, QStringLiteral("王五"), QString());
        auto* password = f.findChild<QLineEdit*>(QStringLiteral("cxTextEdit2"));
        password->setFocus();
        QTest::keyClick(password, Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());  // Enter with an empty password only moves the focus
        EXPECT_FALSE(password->hasFocus());
        click(f, "cxButton2");
    }));
    EXPECT_EQ(app::passwordDigest(QString(), QStringLiteral("王五")).size(), 32);
}

TEST_F(LoginTest, EnterLogsInWhenBothFieldsAreTyped) {
    addUser(QStringLiteral("王五"), QStringLiteral("x"));
    EXPECT_TRUE(start([](TLoginForm& f) {
        type(f, QStringLiteral("王五"), QStringLiteral("x"));
        QTest::keyClick(f.findChild<QLineEdit*>(QStringLiteral("cxTextEdit1")), Qt::Key_Return);
    }));
}

TEST_F(LoginTest, QuotesInNamesAndPasswordsAreJustText) {
    addUser(QStringLiteral("O'Brien"), QStringLiteral("a'b\"c--"));
    EXPECT_TRUE(start([](TLoginForm& f) {
        type(f, QStringLiteral("o'brien' or '1'='1"), QStringLiteral("x"));
        click(f, "cxButton2");
        type(f, QStringLiteral("O'Brien"), QStringLiteral("a'b\"c--"));
        click(f, "cxButton2");
    }));
    EXPECT_EQ(messages_.texts(), QStringList{QStringLiteral("用户名不存在，请重新输入")});
}

TEST_F(LoginTest, NoAccountThatMayLogInMeansNoDialogAndDefaults) {
    addUser(QStringLiteral("组"), QStringLiteral("x"), 1, 1);  // a group, not an account
    bool shown = false;
    EXPECT_TRUE(start([](TLoginForm&) {}, &shown));
    EXPECT_FALSE(shown);
    EXPECT_EQ(dm_->session().ManagerID, 0);
    EXPECT_TRUE(dm_->session().righ_.isEmpty());
    EXPECT_TRUE(dm_->session().clew);
}

TEST_F(LoginTest, MissingColumnsGiveTheirDefaults) {
    {
        db::Database db;
        ASSERT_TRUE(db.open(QDir(home_.dbDir()).filePath(QStringLiteral("Cadre.db"))));
        ASSERT_TRUE(
            db.exec(QStringLiteral("ALTER TABLE tb_manager drop COLUMN rightx, clew, userType")));
    }
    addUserWithoutOptionalColumns();
    EXPECT_TRUE(start([](TLoginForm& f) {
        type(f, QStringLiteral("赵六"), QStringLiteral("p"));
        click(f, "cxButton2");
    }));
    EXPECT_EQ(dm_->session().rightx, QStringLiteral("3333333333333333"));
    EXPECT_TRUE(dm_->session().clew);
}

}  // namespace
