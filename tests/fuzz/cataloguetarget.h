#ifndef CATALOGUETARGET_H
#define CATALOGUETARGET_H

#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz input as the catalogue's answer body, cleaned as the welcome page cleans it and parsed. Empty while
// the reader keeps its promises: the text cleaned of blanks and line ends, and clean once cleaned; a document
// that is no catalogue filling nothing; a catalogue's maps all keyed by the same models, each model's route
// the one its values give and its connection types labelled; what the log shows of it bounded. Otherwise
// what is wrong.
QString catalogueFault(const uint8_t* data, size_t size);

#endif  // CATALOGUETARGET_H
