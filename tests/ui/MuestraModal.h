#pragma once
// Shows a form modally through the Qt port and runs `pasos` on its window once it is up; a
// window the steps leave open ends the loop after a while instead of hanging the suite.
#include "controles/Constants.h"
#include "controles/Form.h"

#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

template <class Vista, class Pasos>
void MuestraYHaz(controles::Form& form, Pasos pasos) {
    QTimer::singleShot(0, [&form, pasos] {
        auto* ventana = dynamic_cast<Vista*>(QApplication::activeModalWidget());
        EXPECT_NE(ventana, nullptr);
        if (!ventana) return form.Hide();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
        pasos(*ventana);
    });
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, [&form] {
        ADD_FAILURE() << "la ventana no se cerró";
        form.Hide();
    });
    guardia.start(10000);
    form.Show(controles::vbModal);
}
