#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QVBoxLayout>

#include <functional>
#include <memory>

#include "controles/TPaginaDeclaracao.h"
#include "interface/TFrDeclaracao.h"
#include "nucleo/CaixaMensagem.h"

// A data-entry page that writes every call it receives in a shared diary ("name:call"), can
// refuse to be left, and counts the pages alive.
class PaginaFalsa : public TPaginaDeclaracao {
 public:
  PaginaFalsa(QWidget* pai, const QString& nome, QStringList& diario)
      : TPaginaDeclaracao(pai), m_diario(diario) {
    setObjectName(nome);
    campo = new QLineEdit(this);
    campo->setObjectName(nome + QStringLiteral("Campo"));
    (new QVBoxLayout(this))->addWidget(campo);
    ++vivas();
  }
  ~PaginaFalsa() override {
    --vivas();
    anota(QStringLiteral("destruida"));
  }

  void Inicializa(const TContextoPagina& c) override {
    contexto = c;
    anota(QStringLiteral("Inicializa"));
  }
  void Finaliza() override { anota(QStringLiteral("Finaliza")); }
  void MostraFicha(int codigo) override { anota(QStringLiteral("MostraFicha %1").arg(codigo)); }
  void Entra() override { anota(QStringLiteral("Entra")); }
  bool PodeSair() override {
    anota(QStringLiteral("PodeSair"));
    // A page that refuses says why, as the real ones do.
    if (!podeSair) ExibeMensagem(QStringLiteral("Valor inválido na página ") + objectName(), TipoMensagem::Erro);
    return podeSair;
  }
  void Posiciona(const QString& dono, const QString& objeto, int secao) override {
    anota(QStringLiteral("Posiciona %1 %2 %3").arg(dono, objeto).arg(secao));
  }
  void Recarrega() override { anota(QStringLiteral("Recarrega")); }
  void PermiteGeracao(bool permitida) override {
    anota(QStringLiteral("PermiteGeracao %1").arg(permitida ? 1 : 0));
  }
  void DefineTitulo(const QString& titulo) override { anota(QStringLiteral("DefineTitulo ") + titulo); }
  bool TemAnexos() const override { return temAnexos; }
  int TipoDoAnexo(int fonte) override {
    anota(QStringLiteral("TipoDoAnexo %1").arg(fonte));
    return tipoAnexo;
  }
  void TeclaAlt(int tecla, bool numerico) override {
    anota(QStringLiteral("TeclaAlt %1%2").arg(QKeySequence(tecla).toString(), numerico ? QStringLiteral(" numérico") : QString()));
  }
  void GravaTextos() override { anota(QStringLiteral("GravaTextos")); }

  static int& vivas() {
    static int n = 0;
    return n;
  }

  bool podeSair = true;
  bool temAnexos = false;
  int tipoAnexo = 0;
  TContextoPagina contexto;
  QLineEdit* campo = nullptr;

 private:
  void anota(const QString& chamada) { m_diario << objectName() + u':' + chamada; }

  QStringList& m_diario;
};

// Registers a fake page on every place of a container, named after the place's first node
// code ("P101", "P205", ...; the summary "PResumo"), all writing in one diary.
inline void RegistraPaginasFalsas(TFrDeclaracao& conteiner, QStringList& diario) {
  const auto registra = [&](TFrDeclaracao::Pagina pagina, const QString& nome) {
    conteiner.RegistraPagina(pagina, [&diario, nome](QWidget* pai) { return new PaginaFalsa(pai, nome, diario); });
  };
  registra(TFrDeclaracao::Informacoes, QStringLiteral("P101"));
  registra(TFrDeclaracao::Responsavel, QStringLiteral("P102"));
  registra(TFrDeclaracao::BeneficiariosTolv, QStringLiteral("P205"));
  registra(TFrDeclaracao::Fundos, QStringLiteral("P305"));
  registra(TFrDeclaracao::Advogado, QStringLiteral("P405"));
  registra(TFrDeclaracao::Resumo, QStringLiteral("PResumo"));
  registra(TFrDeclaracao::Comprovante, QStringLiteral("P700"));
  registra(TFrDeclaracao::Remessa, QStringLiteral("P600"));
  registra(TFrDeclaracao::PlanoSaude, QStringLiteral("P800"));
  registra(TFrDeclaracao::RraDeclarante, QStringLiteral("P150"));
  registra(TFrDeclaracao::RraJustica, QStringLiteral("P450"));
}

inline PaginaFalsa* PaginaFalsaDe(const TFrDeclaracao& conteiner, TFrDeclaracao::Pagina pagina) {
  return static_cast<PaginaFalsa*>(conteiner.PaginaDe(pagina));
}
