#include "cli/SqlFormatGuard.h"

#include <map>
#include <sqlite3.h>
#include <string>

namespace kovara::cli {
namespace {

// The private connection where the built-in functions run, with one
// prepared statement per function and number of arguments.
struct Formatter
{
    sqlite3 *db = nullptr;
    std::map<std::string, sqlite3_stmt *> statements;

    ~Formatter()
    {
        for (auto &[sql, st] : statements)
            sqlite3_finalize(st);
        sqlite3_close(db);
    }

    sqlite3_stmt *statement(const char *function, int argc)
    {
        std::string sql = std::string("SELECT ") + function + "(";
        for (int i = 1; i <= argc; ++i)
            sql += (i > 1 ? ",?" : "?") + std::to_string(i);
        sql += ")";
        auto found = statements.find(sql);
        if (found != statements.end())
            return found->second;
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            return nullptr;
        statements.emplace(sql, st);
        return st;
    }
};

void destroyFormatter(void *data)
{
    delete static_cast<Formatter *>(data);
}

void guardedFormat(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    auto *formatter = static_cast<Formatter *>(sqlite3_user_data(context));
    if (argc == 0 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // Both names are kept apart only by the statement text; format() is the
    // newer name of the same function.
    sqlite3_stmt *st = formatter->statement("printf", argc);
    if (!st) {
        sqlite3_result_error(context, sqlite3_errmsg(formatter->db), -1);
        return;
    }
    for (int i = 0; i < argc; ++i)
        sqlite3_bind_value(st, i + 1, argv[i]);
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_ROW) {
        sqlite3_result_error(context, sqlite3_errmsg(formatter->db), -1);
    } else if (sqlite3_column_type(st, 0) == SQLITE_NULL) {
        sqlite3_result_error_toobig(context);
    } else {
        sqlite3_result_value(context, sqlite3_column_value(st, 0));
    }
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
}

} // namespace

void GuardFormatFunctions(sqlite3 *db, int lengthLimit)
{
    auto *formatter = new Formatter;
    if (sqlite3_open_v2(":memory:", &formatter->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr) !=
        SQLITE_OK) {
        delete formatter;
        return;
    }
    sqlite3_limit(formatter->db, SQLITE_LIMIT_LENGTH, lengthLimit);
    // One owner for both names: the formatter goes with the last of them.
    sqlite3_create_function_v2(db, "printf", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, formatter, guardedFormat,
                               nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "format", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, formatter, guardedFormat,
                               nullptr, nullptr, destroyFormatter);
}

} // namespace kovara::cli
