#pragma once

#include <QCoreApplication>

// The translation context of the federation's texts outside its screens.
class Federation {
    Q_DECLARE_TR_FUNCTIONS(Federation)
};
