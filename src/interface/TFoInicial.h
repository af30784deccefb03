#pragma once

#include "interface/TDialogoDeclaracoes.h"

class QRadioButton;
class TTolv;

// The initial dialog of every start: create a new declaration, import data, or open one of the
// declarations that the index lists (the list opens empty of choice when there is none).
class TFoInicial : public TDialogoDeclaracoes {
  Q_OBJECT
 public:
  enum class Escolha { Nenhuma, Nova, Importa, Abrir };

  TFoInicial(TColecaoTolv& indice, QWidget* dono = nullptr);
  ~TFoInicial() override;

  // The one dialog that exists, if any.
  static TFoInicial* Existente();

  QRadioButton* RbNova() const { return m_nova; }
  QRadioButton* RbImporta() const { return m_importa; }
  QRadioButton* RbAbrir() const { return m_abrir; }
  Escolha GetEscolha() const;

  // "New" or "import": OK on, the list out of use. "Open": the list in use, filtered.
  void RbImportaClick();
  void RbAbrirClick();
  void OKBtnClick() override;

 protected:
  void FormShow() override;
  bool AlimentaBusca(const QWidget* alvo) const override;

 private:
  QRadioButton* m_nova = nullptr;
  QRadioButton* m_importa = nullptr;
  QRadioButton* m_abrir = nullptr;
};

// At start: shows the initial dialog and carries the choice out. True when `tolv` now holds a
// declaration loaded from the index (its database connected), for the main window to open.
bool ExecutaInicial(TTolv& tolv, TColecaoTolv& indice, QWidget* dono);
