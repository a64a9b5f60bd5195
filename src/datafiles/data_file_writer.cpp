#include "datafiles/data_file_writer.h"

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "datafiles/strings.h"
#include "shell/media/files.h"

DataFileWriter::DataFileWriter(std::string indent) : indent_(std::move(indent)) {}

void DataFileWriter::line(const std::string& content) {
    for (int i = 0; i < depth_; ++i) text_ += indent_;
    text_ += content;
    text_ += '\n';
}

void DataFileWriter::entry(const std::string& key, const std::string& values) {
    // " = " then the values: the reader keeps the first space of each value.
    line(cleanName(key) + " =" + values);
}

void DataFileWriter::openGroup(const std::string& name) {
    line(cleanName(name) + " {");
    ++depth_;
}

void DataFileWriter::closeGroup() {
    if (depth_ == 0) return;
    --depth_;
    line("}");
}

void DataFileWriter::text(const std::string& key, const std::string& value) {
    texts(key, {value});
}

void DataFileWriter::texts(const std::string& key, const std::vector<std::string>& values) {
    std::string written;
    if (values.empty()) written = " \"\"";  // reads back as one empty text
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) written += ',';
        written += " \"" + cleanText(values[i]) + "\"";
    }
    entry(key, written);
}

void DataFileWriter::integer(const std::string& key, long long value) {
    integers(key, {value});
}

void DataFileWriter::integers(const std::string& key, const std::vector<long long>& values) {
    if (values.empty()) {
        texts(key, {});
        return;
    }
    std::string written;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) written += ',';
        written += ' ' + std::to_string(values[i]);
    }
    entry(key, written);
}

void DataFileWriter::decimal(const std::string& key, float value) {
    entry(key, ' ' + formatFloat(value));
}

std::string DataFileWriter::result() const {
    std::string out = text_;
    for (int depth = depth_ - 1; depth >= 0; --depth) {
        for (int i = 0; i < depth; ++i) out += indent_;
        out += "}\n";
    }
    return out;
}

bool DataFileWriter::save(const std::string& path) const {
    return SaveText(result(), path);
}

std::string DataFileWriter::cleanText(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value)
        // Control characters (a NUL above all) would end or break the line.
        if (c != '"' && c != '=' && (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)) out += c;
    return out;
}

std::string DataFileWriter::cleanName(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name)
        if (c != '"' && c != '=' && c != '{' && c != '}' && c != '\n' && c != '\r') out += c;
    return trimBlank(out);
}

std::string DataFileWriter::formatFloat(float value) {
    if (std::isnan(value)) value = 0.0f;
    if (value > FLT_MAX) value = FLT_MAX;
    if (value < -FLT_MAX) value = -FLT_MAX;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%#.9g", double(value));
    std::string written = buffer;
    // Files are read with a decimal point whatever locale printf follows.
    for (char& c : written)
        if (c == ',') c = '.';
    return written;
}
