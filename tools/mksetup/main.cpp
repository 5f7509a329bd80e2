// mksetup: makes single-file setups and compressed disk files.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "file_io.h"
#include "payload_listing.h"
#include "setup_pack.h"
#include "szdd.h"

namespace {

const char usage_text[] =
    "usage: mksetup COMMAND ...\n"
    "\n"
    "  compress IN OUT      write IN in the LZ compressed-file format (SZDD)\n"
    "  expand IN OUT        expand a compressed file; a plain file is copied\n"
    "  pack --stub SETUP.EXE --out GAME.EXE FILE...\n"
    "                       append FILE... to the setup program as payload\n"
    "                       members named by their base names (at most 64,\n"
    "                       names of 1 to 19 characters, case not told apart)\n"
    "  list SETUP.EXE       the members: stored size, expanded size, form, name\n"
    "  verify SETUP.EXE     scan and expand every member as the setup program\n"
    "                       does; exit 0 only when the payload is whole\n"
    "\n"
    "Outputs are written to a temporary file and renamed into place only when\n"
    "complete. Errors go to standard error with a non-zero exit status.\n";

int fail(const std::string& message)
{
    fprintf(stderr, "mksetup: %s\n", message.c_str());
    return 1;
}

int usage_error(const std::string& message)
{
    fprintf(stderr, "mksetup: %s (mksetup --help shows the usage)\n", message.c_str());
    return 2;
}

int compress_command(const std::string& in, const std::string& out)
{
    std::vector<unsigned char> bytes, compressed;
    std::string error;
    if (!read_whole_file(in, &bytes, &error))
        return fail(error);
    if (bytes.size() > SZDD_MAX_INPUT)
        return fail(in + " is too large for the compressed-file format (4 GiB at most)");
    std::string name = base_name(in);
    szdd_compress(bytes.data(), bytes.size(), name.empty() ? 0 : name.back(), &compressed);
    if (!write_file_atomically(out, compressed, &error))
        return fail(error);
    return 0;
}

int expand_command(const std::string& in, const std::string& out)
{
    std::vector<unsigned char> bytes, expanded;
    std::string error;
    if (!read_whole_file(in, &bytes, &error))
        return fail(error);
    if (!szdd_expand(bytes.data(), bytes.size(), &expanded, &error))
        return fail(in + ": " + error);
    if (!write_file_atomically(out, expanded, &error))
        return fail(error);
    return 0;
}

int pack_command(const std::vector<std::string>& arguments)
{
    std::string stub_path, out_path;
    std::vector<std::string> files;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--stub" || argument == "--out") {
            if (i + 1 == arguments.size())
                return usage_error(argument + " needs a path");
            (argument == "--stub" ? stub_path : out_path) = arguments[++i];
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "--") {
            return usage_error("unknown option " + argument);
        } else if (argument != "--") {
            files.push_back(argument);
        }
    }
    if (stub_path.empty() || out_path.empty() || files.empty())
        return usage_error("pack needs --stub, --out and at least one file");

    std::string error;
    std::vector<unsigned char> stub, setup;
    if (!read_whole_file(stub_path, &stub, &error))
        return fail(error);
    std::vector<PackInput> inputs(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        inputs[i].name = base_name(files[i]);
        std::string problem = member_name_problem(inputs[i].name);
        if (!problem.empty())
            return fail(files[i] + ": " + problem);
        if (!read_whole_file(files[i], &inputs[i].data, &error))
            return fail(error);
    }
    std::vector<PackedMember> members;
    if (!pack_setup(stub, inputs, &setup, &members, &error))
        return fail(error);
    if (!write_file_atomically(out_path, setup, &error))
        return fail(error);
    printf("%s: %zu members, %zu bytes\n", out_path.c_str(), members.size(), setup.size());
    return 0;
}

int list_command(const std::string& path, bool verify)
{
    std::vector<unsigned char> bytes;
    std::string error;
    if (!read_whole_file(path, &bytes, &error))
        return fail(error);
    PayloadListing listing;
    list_payload(bytes.data(), bytes.size(), &listing);
    if (!verify) {
        printf("%10s %10s  %-10s  %s\n", "stored", "expanded", "form", "name");
        for (const ListedMember& member : listing.members)
            printf("%10u %10u  %-10s  %s\n", member.stored_size, member.expanded_size,
                   member.compressed ? "compressed" : "plain", member.name.c_str());
        if (!listing.has_records)
            printf("no payload records\n");
        else if (listing.closed)
            printf("closing record at offset %llu\n",
                   static_cast<unsigned long long>(listing.closing_offset));
        else
            return fail(path + ": " + listing.fault);
        return 0;
    }
    std::vector<std::string> problems = verify_payload(bytes.data(), bytes.size(), listing);
    for (const std::string& problem : problems)
        fprintf(stderr, "mksetup: %s: %s\n", path.c_str(), problem.c_str());
    if (!problems.empty())
        return 1;
    printf("%s: %zu members, payload whole\n", path.c_str(), listing.members.size());
    return 0;
}

int run(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return usage_error("no command given");
    const std::string& command = arguments[0];
    const size_t operands = arguments.size() - 1;
    for (const std::string& argument : arguments)
        if (argument == "--help" || argument == "-h" || command == "help") {
            fputs(usage_text, stdout);
            return 0;
        }
    if (command == "compress" || command == "expand") {
        if (operands != 2)
            return usage_error(command + " needs IN and OUT");
        return command == "compress" ? compress_command(arguments[1], arguments[2])
                                     : expand_command(arguments[1], arguments[2]);
    }
    if (command == "pack")
        return pack_command(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    if (command == "list" || command == "verify") {
        if (operands != 1)
            return usage_error(command + " needs one setup file");
        return list_command(arguments[1], command == "verify");
    }
    return usage_error("unknown command " + command);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        return fail("out of memory");
    }
}
