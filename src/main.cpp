#include "Jeu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    kalvoro::Jeu jeu;
    jeu.show();
    return application.exec();
}
