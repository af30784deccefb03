#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include "controles/AreaTrabalho.h"
#include "controles/ArvorePastas.h"
#include "controles/ListaArquivos.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

// A temporary folder that is both the program folder and the top of the dialogs' trees, with
// a few folders and files:
//   CopSeg/  Copias/{Sub/, a.cmp, B.DBK, c.dbk, nota.txt, LEIAME}  Vazia/
class DialogosTeste : public testing::Test {
 protected:
  void SetUp() override {
    AreaTrabalho::defineRaiz(raiz());
    for (const char* p : {"CopSeg", "Copias/Sub", "Vazia"}) QDir().mkpath(caminho(p));
    for (const char* a : {"Copias/a.cmp", "Copias/B.DBK", "Copias/c.dbk", "Copias/nota.txt", "Copias/LEIAME"})
      escreve(a, "x");
  }
  void TearDown() override { AreaTrabalho::defineRaiz(QString()); }

  QString raiz() const { return pasta.caminho(); }
  QString caminho(const QString& relativo) const { return raiz() + '/' + relativo; }
  void escreve(const QString& relativo, const QByteArray& conteudo) const {
    QFile f(caminho(relativo));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
  }

  // Waits until the list shows exactly these entries, in this order.
  static bool listaMostra(ListaArquivos* lista, const QStringList& nomes) {
    return QTest::qWaitFor([&] { return lista->Nomes() == nomes; }, 3000);
  }

  // The point in the view's viewport at the middle of the entry of this name.
  static QPoint pontoDe(QAbstractItemView* v, const QString& nome) {
    const QModelIndex raiz = v->rootIndex();
    for (int i = 0; i < v->model()->rowCount(raiz); ++i) {
      const QModelIndex idx = v->model()->index(i, 0, raiz);
      if (idx.data().toString() == nome) return v->visualRect(idx).center();
    }
    ADD_FAILURE() << "sem a entrada " << nome.toStdString();
    return {};
  }

  // The names at the top of a tree (or list) view, in order.
  static QStringList topo(QAbstractItemView* v) {
    QStringList r;
    const QModelIndex raiz = v->rootIndex();
    for (int i = 0; i < v->model()->rowCount(raiz); ++i) r << v->model()->index(i, 0, raiz).data().toString();
    return r;
  }

  PastaProgramaTemp pasta;
  CaixaMensagemFalsa caixa;
};
