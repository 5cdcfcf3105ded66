#pragma once

namespace CommandLine
{
struct PrintPage;
}

namespace Paper
{

// Writes the PDF file `request` asks for to standard output, with no display
// and no message of Qt's, and returns the program's status: refused on a
// terminal, failed when the file is not written whole.
int writeYearPdf(const CommandLine::PrintPage &request, int &argc, char **argv);

} // namespace Paper
