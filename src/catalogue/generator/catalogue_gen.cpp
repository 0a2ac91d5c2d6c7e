// Build-time generator: turns the section catalogue files src/catalogue/data/*.csv into one
// C++ source with the constant tables declared in CatalogueTables.h. The program itself never
// reads a file; the CSV files are the reviewable source of the numbers.
//
// Usage: catalogue_gen OUTPUT.cpp DATA_DIR TABLE=FILE[+FILE...] ...
//
// A file whose first header column is "name" or "designation" carries a text designation per
// row; the generator then writes TABLE (the numbers) and TABLEName (the texts). A row of such a
// file whose numeric cells are all empty is a section without data: it is left out of the
// tables (never filled with made-up numbers) and named in a comment of the output.
// Every numeric cell is checked to be a plain decimal number and is written as the same literal,
// so the compiled double is exactly the value the file shows.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct CsvFile {
    std::string path;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

CsvFile readCsv(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(path + ": cannot open");
    CsvFile csv{path, {}, {}};
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (line.empty())
            continue;
        auto fields = splitFields(line);
        if (csv.header.empty()) {
            csv.header = std::move(fields);
            continue;
        }
        if (fields.size() != csv.header.size())
            throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": " +
                                     std::to_string(fields.size()) + " cells, header has " +
                                     std::to_string(csv.header.size()));
        csv.rows.push_back(std::move(fields));
    }
    if (csv.header.empty())
        throw std::runtime_error(path + ": no header line");
    return csv;
}

bool isPlainDecimal(const std::string& s) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (digits == 0)
        return false;
    if (i == s.size())
        return true;
    if (s[i] != '.')
        return false;
    ++i;
    std::size_t fraction = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++fraction;
    }
    return fraction > 0 && i == s.size();
}

bool hasDesignation(const CsvFile& csv) {
    return csv.header.front() == "name" || csv.header.front() == "designation";
}

std::string cppString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\' || c < 0x20)
            throw std::runtime_error("designation with a quote, backslash or control character");
        out += static_cast<char>(c);
    }
    return out + "\"";
}

struct Table {
    std::string name;
    std::vector<CsvFile> files;
};

void writeTable(std::ostream& out, const Table& table) {
    const CsvFile& first = table.files.front();
    const bool named = hasDesignation(first);
    for (const auto& f : table.files)
        if (f.header != first.header)
            throw std::runtime_error(f.path + ": header differs from " + first.path);
    const std::size_t skip = named ? 1 : 0;
    const std::size_t columns = first.header.size() - skip;

    std::vector<std::string> names;
    std::vector<std::string> numbers;
    std::vector<std::string> leftOut;
    for (const auto& f : table.files) {
        for (std::size_t r = 0; r < f.rows.size(); ++r) {
            const auto& row = f.rows[r];
            std::size_t empty = 0;
            for (std::size_t c = skip; c < row.size(); ++c)
                empty += row[c].empty() ? 1 : 0;
            const std::string where = f.path + " row " + std::to_string(r + 1);
            if (named && empty == columns) {
                if (row.front().empty())
                    throw std::runtime_error(where + ": empty row");
                leftOut.push_back(row.front());
                continue;
            }
            std::string line = "    {";
            for (std::size_t c = skip; c < row.size(); ++c) {
                if (!isPlainDecimal(row[c]))
                    throw std::runtime_error(where + ", column " + first.header[c] +
                                             ": not a number: '" + row[c] + "'");
                line += row[c];
                if (row[c].find('.') == std::string::npos)
                    line += ".0";
                line += c + 1 < row.size() ? ", " : "";
            }
            numbers.push_back(line + "},");
            if (named) {
                if (row.front().empty())
                    throw std::runtime_error(where + ": empty designation");
                names.push_back(row.front());
            }
        }
    }

    out << "// " << table.name << ": " << numbers.size() << " rows from";
    for (const auto& f : table.files)
        out << ' ' << f.path.substr(f.path.find_last_of('/') + 1);
    out << "\n";
    for (const auto& n : leftOut)
        out << "// " << n << ": no data in the source, left out\n";
    out << "const double " << table.name << "[][" << columns << "] = {\n";
    for (const auto& line : numbers)
        out << line << "\n";
    out << "};\n";
    if (named) {
        out << "const char* const " << table.name << "Name[] = {\n";
        for (const auto& n : names)
            out << "    " << cppString(n) << ",\n";
        out << "};\n";
    }
    // The header declares each table with its expected row count; an initializer list with
    // fewer rows would silently be padded with zeros, so the count is checked here.
    out << "static_assert(std::extent_v<decltype(" << table.name << ")> == " << numbers.size()
        << ", \"" << table.name
        << ": row count of the data files differs from CatalogueTables.h\");\n";
    out << "const char* const " << table.name << "Columns[] = {";
    for (std::size_t c = skip; c < first.header.size(); ++c)
        out << cppString(first.header[c]) << (c + 1 < first.header.size() ? ", " : "");
    out << "};\n\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::cerr << "usage: catalogue_gen OUTPUT.cpp DATA_DIR TABLE=FILE[+FILE...] ...\n";
        return 2;
    }
    try {
        const std::string output = argv[1];
        const std::string dataDir = argv[2];
        std::vector<Table> tables;
        for (int i = 3; i < argc; ++i) {
            const std::string argument = argv[i];
            const auto eq = argument.find('=');
            if (eq == std::string::npos || eq == 0)
                throw std::runtime_error("bad table argument '" + argument + "'");
            Table table{argument.substr(0, eq), {}};
            std::string files = argument.substr(eq + 1);
            std::size_t start = 0;
            while (start <= files.size()) {
                const auto plus = files.find('+', start);
                const auto file = files.substr(start, plus - start);
                table.files.push_back(readCsv(dataDir + "/" + file));
                if (plus == std::string::npos)
                    break;
                start = plus + 1;
            }
            tables.push_back(std::move(table));
        }

        std::ostringstream out;
        out << "// Generated by catalogue_gen from src/catalogue/data/*.csv. Do not edit;\n"
               "// change the CSV files instead.\n\n"
               "#include \"CatalogueTables.h\"\n\n"
               "#include <type_traits>\n\n";
        for (const auto& t : tables)
            writeTable(out, t);

        // Write through a temporary name so that a failed run leaves no half file behind.
        const std::string tmp = output + ".tmp";
        {
            std::ofstream file(tmp, std::ios::binary | std::ios::trunc);
            file << out.str();
            if (!file.flush())
                throw std::runtime_error(tmp + ": cannot write");
        }
        if (std::rename(tmp.c_str(), output.c_str()) != 0)
            throw std::runtime_error(output + ": cannot replace");
    } catch (const std::exception& e) {
        std::cerr << "catalogue_gen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
