#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/template_dialog.hpp"

namespace tt::app {
namespace {

using importer::OpcionesPlantilla;

struct Vista {
    std::vector<std::string> plantillas; // combo box items
    std::string texto;                   // combo box text
    std::string nombre, fecha1, fecha2;
    std::vector<std::string> tramos;
    bool operator==(const Vista&) const = default;
};

void PrintTo(const Vista& v, std::ostream* os) {
    *os << "items=" << ::testing::PrintToString(v.plantillas) << " texto='" << v.texto
        << "' labels='" << v.nombre << "','" << v.fecha1 << "','" << v.fecha2
        << "' tramos=" << ::testing::PrintToString(v.tramos);
}

class DialogoPlantillas : public ::testing::Test {
protected:
    std::unique_ptr<TPlantillas> dialogo;

    void abrir(OpcionesPlantilla opciones) {
        dialogo = std::make_unique<TPlantillas>(std::move(opciones));
        dialogo->show();
    }

    QComboBox& combo() { return *dialogo->findChild<QComboBox*>("ComboBoxPlantilla"); }
    std::string etiqueta(const char* nombre) {
        return dialogo->findChild<QLabel*>(nombre)->text().toStdString();
    }

    Vista vista() {
        Vista v;
        for (int i = 0; i < combo().count(); ++i) v.plantillas.push_back(combo().itemText(i).toStdString());
        v.texto = combo().currentText().toStdString();
        v.nombre = etiqueta("LabelNombre");
        v.fecha1 = etiqueta("LabelPlanFec1");
        v.fecha2 = etiqueta("LabelPlanFec2");
        const auto* lista = dialogo->findChild<QListWidget*>("ListBox1");
        for (int i = 0; i < lista->count(); ++i) v.tramos.push_back(lista->item(i)->text().toStdString());
        return v;
    }

    void teclear(const QString& texto) {
        combo().lineEdit()->clear();
        QTest::keyClicks(combo().lineEdit(), texto);
    }
};

OpcionesPlantilla DosPlantillas() {
    return {{{"A", "Ordinaria", "01/09/2024", "30/06/2025"},
             {"B", "Intensiva", "01/06/2025", "30/06/2025"}},
            {{"1\xC2\xAA A", "A"}, {"1\xC2\xAA B", "B"}, {"2\xC2\xAA A", "A"}, {"recreo", "C"}}};
}

TEST_F(DialogoPlantillas, OpensOnTheFirstTemplateAndFollowsTheChoice) {
    abrir(DosPlantillas());
    EXPECT_EQ(vista(), (Vista{{"A", "B"}, "A", "Ordinaria", "01/09/2024", "30/06/2025",
                              {"1\xC2\xAA A", "2\xC2\xAA A"}}));

    combo().setCurrentIndex(1);
    EXPECT_EQ(vista(), (Vista{{"A", "B"}, "B", "Intensiva", "01/06/2025", "30/06/2025",
                              {"1\xC2\xAA B"}}));
}

TEST_F(DialogoPlantillas, EveryWayOutReturnsTheTemplateShown) {
    const std::vector<std::pair<const char*, std::function<void(TPlantillas&)>>> salidas = {
        {"Continuar", [](TPlantillas& d) { d.findChild<QPushButton*>("BitBtnContinuar")->click(); }},
        {"close box", [](TPlantillas& d) { d.close(); }},
        {"Escape", [](TPlantillas& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"Enter in the combo box",
         [](TPlantillas& d) {
             QTest::keyClick(d.findChild<QComboBox*>("ComboBoxPlantilla")->lineEdit(), Qt::Key_Return);
         }},
    };
    for (const auto& [nombre, salir] : salidas) {
        abrir(DosPlantillas());
        combo().setCurrentIndex(1);
        salir(*dialogo);
        EXPECT_FALSE(dialogo->isVisible()) << nombre;
        EXPECT_EQ(dialogo->plantillaSeleccionada(), "B") << nombre;
    }
}

TEST_F(DialogoPlantillas, CodeWithBlanksIsListedAndMatchedWithThemButReturnedWithout) {
    abrir({{{" C\t", "Con blancos", "01/09/2024", "30/06/2025"}, {"D", "Otra", "x", "y"}},
           {{"1\xC2\xAA C", " C\t"}, {"1\xC2\xAA sin blancos", "C"}}});
    EXPECT_EQ(vista(), (Vista{{" C\t", "D"}, " C\t", "Con blancos", "01/09/2024", "30/06/2025",
                              {"1\xC2\xAA C"}}));

    dialogo->findChild<QPushButton*>("BitBtnContinuar")->click();
    EXPECT_EQ(dialogo->plantillaSeleccionada(), "C");
}

TEST_F(DialogoPlantillas, TypedTextMatchesOnlyExactlyAndIsReturnedTrimmed) {
    struct Caso {
        QString tecleado;
        QString devuelto;
    };
    for (const auto& caso : {Caso{"B ", "B"}, Caso{"b", "b"}}) {
        abrir(DosPlantillas());
        teclear(caso.tecleado);
        EXPECT_EQ(vista(), (Vista{{"A", "B"}, caso.tecleado.toStdString(), "-", "-", "-", {}}))
            << caso.tecleado.toStdString();

        QTest::keyClick(combo().lineEdit(), Qt::Key_Return);
        EXPECT_EQ(dialogo->plantillaSeleccionada(), caso.devuelto);
    }
}

TEST_F(DialogoPlantillas, WithEqualCodesTheLastRecordsTextsStay) {
    abrir({{{"A", "Primera", "1", "2"}, {"A", "Segunda", "3", "4"}}, {}});
    EXPECT_EQ(vista(), (Vista{{"A", "A"}, "A", "Segunda", "3", "4", {}}));
}

TEST_F(DialogoPlantillas, SingleRecordGroupsAreNotShown) {
    // One template: no list to choose from, nothing matched, nothing returned.
    abrir({{{"A", "Unica", "1", "2"}}, {{"1\xC2\xAA", "A"}, {"2\xC2\xAA", "A"}}});
    EXPECT_EQ(vista(), (Vista{{}, "", "-", "-", "-", {}}));
    dialogo->close();
    EXPECT_EQ(dialogo->plantillaSeleccionada(), "");

    // One slot: the list keeps what it showed, empty here.
    abrir({{{"A", "Primera", "1", "2"}, {"B", "Segunda", "3", "4"}}, {{"1\xC2\xAA", "A"}}});
    EXPECT_EQ(vista(), (Vista{{"A", "B"}, "A", "Primera", "1", "2", {}}));
}

} // namespace
} // namespace tt::app
