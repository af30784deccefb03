#pragma once

#include <QString>

#include <memory>

#include "interface/PassosPrincipal.h"

class QWidget;
class TColecaoTolv;
class TTolv;

// The main window's declarations index: the one collection that the start-up, the dialogs and
// the actions share, created on first use, and the adoption or deletion of the declaration
// databases that the data folder holds and the index does not list.
class IndicePrincipal {
 public:
  IndicePrincipal();
  ~IndicePrincipal();
  IndicePrincipal(const IndicePrincipal&) = delete;
  IndicePrincipal& operator=(const IndicePrincipal&) = delete;

  // Points the steps that concern the index here: the collection base's two failure flags,
  // opening, refreshing and asking the index, the orphan databases and the freeing of the
  // collections. This object must outlive the steps.
  void Conecta(PassosPrincipal& passos);

  // Created on first use: connects the index database and checks its version; a failure marks
  // FalhaBancoIndice and is reported, or raised to the guard when it ends the program.
  TColecaoTolv& GetColecaoTolv();
  bool IndiceVazio();
  void AtualizaIndice();
  // Asks whether the declaration databases of the data folder become available for work; on
  // "Não", whether they are deleted. Files of another version are reported, and deleted on the
  // user's word.
  void VerificaExistenciaBancos(QWidget* dono);
  // Frees the index and disconnects the index database (before a wizard replaces database files,
  // and at exit).
  void FecharColecoes();

 private:
  // Lists one database file; false when it was left as it is.
  bool Adota(const QString& arquivo, TTolv& tolv);

  std::unique_ptr<TColecaoTolv> m_colecao;
};
