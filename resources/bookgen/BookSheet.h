// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DefaultsWriter.h"

#include <QImage>
#include <QList>

// One sheet with every default picture at half size, each captioned with its
// book and name, for looking the books over.
QImage makeBookSheet(const QList<DefaultsWriter::Picture>& pictures);
