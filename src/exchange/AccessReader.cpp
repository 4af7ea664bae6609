#include "exchange/AccessReader.h"

#include <fcntl.h>
#include <mdbtools.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

namespace exchange {

namespace {

// The time a trial reading may take: half a minute, and two seconds more for every megabyte.
std::chrono::milliseconds defaultTimeLimit(const QString& path) {
    return std::chrono::seconds(30) + std::chrono::seconds(2) * (QFileInfo(path).size() >> 20);
}

// The address space the trial reading may use: 2 GB, or eight times the file when that is more.
rlim_t memoryLimit(const QString& path) {
    return std::max<rlim_t>(rlim_t{2} << 30, static_cast<rlim_t>(QFileInfo(path).size()) * 8);
}

// What libmdb wrote to standard error in a trial reading: it reports damage line by line, and a
// damaged file can make it write the same line millions of times. The lines are counted and
// the first few kept; a line longer than kLineBytes is cut.
class LibraryWarnings {
  public:
    static constexpr int kKeptLines = 5;
    static constexpr qsizetype kLineBytes = 300;

    void take(const char* bytes, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            if (bytes[i] == '\n') {
                endLine();
            } else if (line_.size() < kLineBytes) {
                line_.append(bytes[i]);
            }
        }
    }
    void finish() {
        if (!line_.isEmpty()) {
            endLine();
        }
    }
    // The count and the lines kept, for the details of a refusal; empty when there was none.
    QString summary() const {
        if (count_ == 0) {
            return {};
        }
        return QStringLiteral("mdbtools 警告 %1 条，前 %2 条：\n").arg(count_).arg(first_.size()) +
               first_.join(u'\n');
    }

  private:
    void endLine() {
        ++count_;
        if (first_.size() < kKeptLines) {
            first_ << QString::fromLocal8Bit(line_).trimmed();
        }
        line_.clear();
    }

    qint64 count_ = 0;
    QStringList first_;
    QByteArray line_;
};

// Reads what is waiting in the non-blocking pipe `fd`; false once the pipe is closed at the
// other end (or broken).
bool drainPipe(int fd, LibraryWarnings& warnings) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0) {
            warnings.take(buffer, static_cast<size_t>(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }
}

struct Trial {
    bool endedWell = false;  // ended by itself within the time, whatever its outcome
    LibraryWarnings warnings;
};

// Runs `work` in a child process with the memory bound of `path`; the child's standard error
// comes back through a pipe and is counted, never passed on.
Trial runTrial(const QString& path, std::chrono::milliseconds timeLimit,
               const std::function<void()>& work) {
    Trial trial;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return trial;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const rlim_t bytes = memoryLimit(path);
    const pid_t child = fork();
    if (child < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return trial;
    }
    if (child == 0) {
        // Writes to standard error block while the pipe is full, as a terminal's would.
        const int flags = fcntl(pipeFds[1], F_GETFL);
        fcntl(pipeFds[1], F_SETFL, flags & ~O_NONBLOCK);
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_AS, &limit);
        work();
        _exit(0);
    }
    close(pipeFds[1]);
    const int output = pipeFds[0];
    bool outputOpen = true;
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    int status = 0;
    for (;;) {
        if (outputOpen) {
            pollfd ready{output, POLLIN, 0};
            poll(&ready, 1, 5);
            outputOpen = drainPipe(output, trial.warnings);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            trial.endedWell = WIFEXITED(status);
            break;
        }
        if (done < 0 || std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
    }
    if (outputOpen) {
        drainPipe(output, trial.warnings);
    }
    close(output);
    trial.warnings.finish();
    return trial;
}

// The code page a Jet 3 file takes when its header names none.
const char* const kDefaultJet3CodePage = "GBK";

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The iconv name of a Windows code page.
QByteArray codePageName(unsigned codePage) {
    switch (codePage) {
        case 0:
            return kDefaultJet3CodePage;
        case 936:
            return "GBK";
        case 950:
            return "BIG5";
        case 65001:
            return "UTF-8";
        default:
            return "CP" + QByteArray::number(codePage);
    }
}

std::optional<FieldType> fieldType(int columnType) {
    switch (columnType) {
        case MDB_BOOL:
            return FieldType::YesNo;
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return FieldType::Integer;
        case MDB_FLOAT:
        case MDB_DOUBLE:
            return FieldType::Real;
        case MDB_MONEY:
            return FieldType::Currency;
        case MDB_NUMERIC:
            return FieldType::Decimal;
        case MDB_DATETIME:
            return FieldType::Date;
        case MDB_TEXT:
            return FieldType::Text;
        case MDB_MEMO:
            return FieldType::Memo;
        case MDB_BINARY:
        case MDB_OLE:
            return FieldType::Binary;
        case MDB_REPID:
            return FieldType::Guid;
        default:
            return std::nullopt;
    }
}

template <typename T>
T little(const unsigned char* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// A scaled integer as exact decimal text: 123456 with scale 4 is "12.3456".
QString scaledText(qint64 value, int scale) {
    const bool negative = value < 0;
    QString digits =
        QString::number(negative ? -static_cast<quint64>(value) : static_cast<quint64>(value));
    if (scale > 0) {
        digits = digits.rightJustified(scale + 1, u'0');
        digits.insert(digits.size() - scale, u'.');
    }
    return negative ? u'-' + digits : digits;
}

struct GFree {
    void operator()(void* p) const { g_free(p); }
};
using GBuffer = std::unique_ptr<char, GFree>;

}  // namespace

struct AccessFile::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle() {
        if (mdb) {
            mdb_close(mdb);
        }
    }

    // Converts text bytes of the file (UCS-2, compressed UCS-2 or the Jet 3 code page).
    QString text(const void* bytes, size_t size) const {
        QByteArray out(static_cast<qsizetype>(size * 3 + 16), Qt::Uninitialized);
        const int written = mdb_unicode2ascii(mdb, static_cast<const char*>(bytes), size,
                                              out.data(), static_cast<size_t>(out.size()));
        return QString::fromUtf8(out.constData(), written);
    }
};

AccessFile::AccessFile(std::unique_ptr<Handle> handle, QString path)
    : handle_(std::move(handle)), path_(std::move(path)) {}

AccessFile::~AccessFile() = default;

Result<std::unique_ptr<AccessFile>> AccessFile::openHere(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return Failure{kNotAnAccessFile + shown(path), {}};
    }
    auto handle = std::make_unique<Handle>();
    handle->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!handle->mdb) {
        return Failure{kNotAnAccessFile + shown(path), {}};
    }
    MdbHandle* mdb = handle->mdb;
    if (IS_JET3(mdb)) {
        // libmdb reads Jet 3 text as CP1252 unless told otherwise; the file names its own code
        // page, and files of these users that name none are GBK.
        const QByteArray codePage = codePageName(mdb->f->code_page);
        iconv_t in = iconv_open("UTF-8", codePage.constData());
        iconv_t out = iconv_open(codePage.constData(), "UTF-8");
        if (in == reinterpret_cast<iconv_t>(-1) || out == reinterpret_cast<iconv_t>(-1)) {
            if (in != reinterpret_cast<iconv_t>(-1)) {
                iconv_close(in);
            }
            if (out != reinterpret_cast<iconv_t>(-1)) {
                iconv_close(out);
            }
            return Failure{kDamagedAccessFile + shown(path),
                           QStringLiteral("code page %1").arg(mdb->f->code_page)};
        }
        mdb_iconv_close(mdb);
        mdb->iconv_in = in;
        mdb->iconv_out = out;
    }
    std::unique_ptr<AccessFile> file(new AccessFile(std::move(handle), path));
    if (Result<void> read = file->readCatalogue(); !read) {
        return read.failure();
    }
    return file;
}

Result<std::unique_ptr<AccessFile>> AccessFile::open(const QString& path) {
    return open(path, defaultTimeLimit(path));
}

Result<std::unique_ptr<AccessFile>> AccessFile::open(const QString& path,
                                                     std::chrono::milliseconds timeLimit) {
    if (!QFileInfo(path).isFile()) {
        return Failure{kNotAnAccessFile + shown(path), {}};
    }
    const Trial trial = runTrial(path, timeLimit, [&] {
        if (Result<std::unique_ptr<AccessFile>> file = openHere(path); file) {
            (void)(*file)->readAll();
        }
    });
    if (!trial.endedWell) {
        const QString warnings = trial.warnings.summary();
        return Failure{kAccessReadStopped,
                       warnings.isEmpty() ? shown(path) : shown(path) + u'\n' + warnings};
    }
    return openHere(path);
}

Result<void> AccessFile::readAll() {
    for (const SourceTable& table : tables_) {
        const Result<void> read =
            readRows(table.name, [](const QVariantList&) { return Result<void>{}; });
        if (!read) {
            return read;
        }
    }
    return {};
}

Result<void> AccessFile::readCatalogue() {
    MdbHandle* mdb = handle_->mdb;
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        return Failure{kDamagedAccessFile + shown(path_), {}};
    }
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) {
            continue;
        }
        MdbTableDef* table = mdb_read_table(entry);
        if (!table) {
            return Failure{kDamagedAccessFile + shown(path_),
                           QString::fromUtf8(entry->object_name)};
        }
        if (!mdb_read_columns(table)) {
            mdb_free_tabledef(table);
            return Failure{kDamagedAccessFile + shown(path_),
                           QString::fromUtf8(entry->object_name)};
        }
        SourceTable source{QString::fromUtf8(entry->object_name), {}};
        for (unsigned c = 0; c < table->num_cols; ++c) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            const std::optional<FieldType> type = fieldType(column->col_type);
            if (!type) {
                mdb_free_tabledef(table);
                return Failure{kDamagedAccessFile + shown(path_),
                               QStringLiteral("%1.%2: column type %3")
                                   .arg(source.name, QString::fromUtf8(column->name))
                                   .arg(column->col_type)};
            }
            source.columns.push_back({QString::fromUtf8(column->name), *type});
        }
        mdb_free_tabledef(table);
        tables_.push_back(std::move(source));
    }
    return {};
}

namespace {

// Reads the value of `column` in the row just fetched; false when the row's bytes lie outside
// the page, as they do only in a damaged file.
bool readValue(MdbHandle* mdb, MdbColumn* column, FieldType type,
               const std::function<QString(const void*, size_t)>& text, std::vector<char>& chunk,
               QVariant& value) {
    if (type == FieldType::YesNo) {
        // A yes/no value lives in the row's null mask; libmdb sets the value's length when the
        // bit is clear, which is No.
        value = column->cur_value_len ? 0 : 1;
        return true;
    }
    const int start = column->cur_value_start;
    const int size = column->cur_value_len;
    if (size == 0) {
        value = QVariant();
        return true;
    }
    if (start < 0 || size < 0 || start + static_cast<qint64>(size) > mdb->fmt->pg_size) {
        return false;
    }
    const unsigned char* bytes = mdb->pg_buf + start;
    auto fixed = [&](int width) { return size >= width; };
    switch (column->col_type) {
        case MDB_BYTE:
            value = static_cast<qint64>(bytes[0]);
            return true;
        case MDB_INT:
            value = static_cast<qint64>(little<qint16>(bytes));
            return fixed(2);
        case MDB_LONGINT:
        case MDB_COMPLEX:
            value = static_cast<qint64>(little<qint32>(bytes));
            return fixed(4);
        case MDB_FLOAT:
            value = static_cast<double>(little<float>(bytes));
            return fixed(4);
        case MDB_DOUBLE:
        case MDB_DATETIME:
            value = little<double>(bytes);
            return fixed(8);
        case MDB_MONEY:
            value = scaledText(little<qint64>(bytes), 4);
            return fixed(8);
        case MDB_NUMERIC: {
            const GBuffer number(
                mdb_numeric_to_string(mdb, start, column->col_scale, column->col_prec));
            value = QString::fromUtf8(number.get());
            return fixed(17);
        }
        case MDB_REPID: {
            const GBuffer guid(mdb_uuid_to_string(mdb->pg_buf, start));
            value = QString::fromLatin1(guid.get());
            return fixed(16);
        }
        case MDB_TEXT:
            value = text(bytes, static_cast<size_t>(size));
            return true;
        case MDB_BINARY:
            value = QByteArray(reinterpret_cast<const char*>(bytes), size);
            return true;
        case MDB_MEMO:
        case MDB_OLE: {
            // libmdb reads a long value's chain of pages from the field's header in the
            // column's bound buffer, which receives each page's part on the way.
            if (!fixed(MDB_MEMO_OVERHEAD)) {
                return false;
            }
            std::memcpy(chunk.data(), bytes, MDB_MEMO_OVERHEAD);
            column->bind_ptr = chunk.data();
            size_t length = 0;
            const GBuffer data(static_cast<char*>(mdb_ole_read_full(mdb, column, &length)));
            column->bind_ptr = nullptr;
            if (!data) {
                return false;
            }
            if (column->col_type == MDB_MEMO) {
                value = length ? text(data.get(), length) : QString();
            } else {
                value = unwrapOlePicture(QByteArray(data.get(), static_cast<qsizetype>(length)));
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

Result<void> AccessFile::readRows(const QString& tableName, const RowSink& sink) {
    const SourceTable* wanted = nullptr;
    for (const SourceTable& table : tables_) {
        if (table.name == tableName) {
            wanted = &table;
        }
    }
    if (!wanted) {
        return Failure{kNoSuchAccessTable + tableName, {}};
    }
    MdbHandle* mdb = handle_->mdb;
    const QByteArray name = tableName.toUtf8();
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb, name.constData());
    MdbTableDef* table = entry ? mdb_read_table(entry) : nullptr;
    if (!table) {
        return Failure{kDamagedAccessFile + shown(path_), tableName};
    }
    const std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> owned(table, mdb_free_tabledef);
    if (!mdb_read_columns(table) || table->num_cols != wanted->columns.size()) {
        return Failure{kDamagedAccessFile + shown(path_), tableName};
    }
    mdb_rewind_table(table);
    const auto text = [this](const void* bytes, size_t size) { return handle_->text(bytes, size); };
    std::vector<char> chunk(MDB_BIND_SIZE);
    QVariantList values;
    values.resize(static_cast<qsizetype>(table->num_cols));
    while (mdb_fetch_row(table)) {
        for (unsigned c = 0; c < table->num_cols; ++c) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            if (!readValue(mdb, column, wanted->columns[c].type, text, chunk, values[c])) {
                return Failure{kDamagedAccessFile + shown(path_),
                               QStringLiteral("%1.%2").arg(tableName, wanted->columns[c].name)};
            }
        }
        if (Result<void> taken = sink(values); !taken) {
            return taken;
        }
    }
    return {};
}

Result<std::unique_ptr<TableSource>> openAccessSource(const QString& path) {
    Result<std::unique_ptr<AccessFile>> opened = AccessFile::open(path);
    if (!opened) {
        return opened.failure();
    }
    return std::unique_ptr<TableSource>(std::move(*opened));
}

QByteArray unwrapOlePicture(const QByteArray& field) {
    // An OLE object field starts with the signature 0x15 0x1C.
    if (field.size() < 4 || static_cast<unsigned char>(field[0]) != 0x15 ||
        static_cast<unsigned char>(field[1]) != 0x1C) {
        return field;
    }
    const qsizetype headerSize =
        little<quint16>(reinterpret_cast<const unsigned char*>(field.constData()) + 2);
    const QByteArray body = field.mid(headerSize);
    qsizetype best = -1;
    for (const QByteArray& signature :
         {QByteArray("\xFF\xD8\xFF"), QByteArray("\x89PNG\r\n\x1A\n"), QByteArray("GIF8")}) {
        const qsizetype at = body.indexOf(signature);
        if (at >= 0 && (best < 0 || at < best)) {
            best = at;
        }
    }
    // A bitmap file header: "BM", the file's size, and two reserved words of zero.
    for (qsizetype at = body.indexOf("BM"); at >= 0 && at + 14 <= body.size();
         at = body.indexOf("BM", at + 1)) {
        const auto* header = reinterpret_cast<const unsigned char*>(body.constData()) + at;
        const quint32 size = little<quint32>(header + 2);
        if (size >= 14 && size <= body.size() - at && little<quint32>(header + 6) == 0) {
            if (best < 0 || at < best) {
                return body.mid(at, size);
            }
            break;
        }
    }
    return best >= 0 ? body.mid(best) : field;
}

}  // namespace exchange
