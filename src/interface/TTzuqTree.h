#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "interface/MontagemArvore.h"

class QTreeWidget;
class QTreeWidgetItem;

// The open declaration as a tree of pages: every node carries the code of the page it leads
// to. The switches below decide which nodes exist; writing any of them rebuilds the tree, which
// leaves no node selected.
class TTzuqTree : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool mostraFC READ mostraFC WRITE setMostraFC)
  Q_PROPERTY(bool mostraPlanoSaude READ mostraPlanoSaude WRITE setMostraPlanoSaude)
  Q_PROPERTY(bool mostraProcesso READ mostraProcesso WRITE setMostraProcesso)
  Q_PROPERTY(bool mostraDERC READ mostraDERC WRITE setMostraDERC)
  Q_PROPERTY(bool mostraRemessa READ mostraRemessa WRITE setMostraRemessa)
  Q_PROPERTY(bool mostraExpandido READ mostraExpandido WRITE setMostraExpandido)
  Q_PROPERTY(bool mostraCompensacaoExigibilidade READ mostraCompensacaoExigibilidade WRITE
                 setMostraCompensacaoExigibilidade)
  Q_PROPERTY(bool mostraCompensacaoExigibilidadeFC READ mostraCompensacaoExigibilidadeFC WRITE
                 setMostraCompensacaoExigibilidadeFC)
  Q_PROPERTY(bool mostraCompensacaoExigibilidadeProc READ mostraCompensacaoExigibilidadeProc WRITE
                 setMostraCompensacaoExigibilidadeProc)
  Q_PROPERTY(bool mostraComprovante READ mostraComprovante WRITE setMostraComprovante)
  Q_PROPERTY(
      bool mostraRendimentosIsentos READ mostraRendimentosIsentos WRITE setMostraRendimentosIsentos)
  Q_PROPERTY(bool mostraRendimentosIsentosFC READ mostraRendimentosIsentosFC WRITE
                 setMostraRendimentosIsentosFC)
  Q_PROPERTY(bool mostraRendimentosIsentosProc READ mostraRendimentosIsentosProc WRITE
                 setMostraRendimentosIsentosProc)
  Q_PROPERTY(bool mostraMolestia READ mostraMolestia WRITE setMostraMolestia)
  Q_PROPERTY(bool mostraMolestiaProc READ mostraMolestiaProc WRITE setMostraMolestiaProc)
  Q_PROPERTY(bool mostraMolestiaAnexo READ mostraMolestiaAnexo WRITE setMostraMolestiaAnexo)
  Q_PROPERTY(bool mostraCompRendimentosTributaveis READ mostraCompRendimentosTributaveis WRITE
                 setMostraCompRendimentosTributaveis)
  Q_PROPERTY(bool mostraCompRendimentosIsentos READ mostraCompRendimentosIsentos WRITE
                 setMostraCompRendimentosIsentos)
  Q_PROPERTY(bool mostraCompTributacaoExclusiva READ mostraCompTributacaoExclusiva WRITE
                 setMostraCompTributacaoExclusiva)
  Q_PROPERTY(bool mostraCompInformacoesComplementares READ mostraCompInformacoesComplementares WRITE
                 setMostraCompInformacoesComplementares)
  Q_PROPERTY(bool mostraCompNaturezaRendimento READ mostraCompNaturezaRendimento WRITE
                 setMostraCompNaturezaRendimento)
  Q_PROPERTY(bool mostraCompInfCompRetencoes READ mostraCompInfCompRetencoes WRITE
                 setMostraCompInfCompRetencoes)
  Q_PROPERTY(bool mostraCompInfCompRetencoesOrgaos READ mostraCompInfCompRetencoesOrgaos WRITE
                 setMostraCompInfCompRetencoesOrgaos)

 public:
  explicit TTzuqTree(QWidget* parent = nullptr);
  ~TTzuqTree() override;

  // The tree that the pages reach; none until the main window registers its own. A registered
  // tree that is destroyed unregisters itself.
  static TTzuqTree* Instancia();
  static void Registra(TTzuqTree* arvore);

  // Selects the first node, in tree order, that carries the code and puts the code's title in
  // titulo. When no node carries it, neither the selection nor titulo changes; codes without a
  // title of their own leave titulo as it was.
  void SelecionaNo(int codigo, QString& titulo);
  QTreeWidgetItem* NoSelecionado() const;
  std::optional<int> CodigoSelecionado() const;
  static int CodigoDoNo(const QTreeWidgetItem* no);

  QTreeWidget* Arvore() const { return m_arvore; }
  const TPropriedadesArvore& Propriedades() const { return m_propriedades; }

  // The groups that follow the declaration's indicators; the compensation nodes start hidden
  // until a line's revenue code asks for them.
  void AplicaIndicadores(const TIndicadoresArvore& indicadores);

  // Asked before a mouse press reaches a node; a false answer drops the press, so the selection
  // stays where it is. The check must not throw.
  void DefineVerificacaoClique(std::function<bool()> podeClicar);

  bool mostraFC() const { return m_propriedades.mostraFC; }
  bool mostraPlanoSaude() const { return m_propriedades.mostraPlanoSaude; }
  bool mostraProcesso() const { return m_propriedades.mostraProcesso; }
  bool mostraDERC() const { return m_propriedades.mostraDERC; }
  bool mostraRemessa() const { return m_propriedades.mostraRemessa; }
  bool mostraExpandido() const { return m_propriedades.mostraExpandido; }
  bool mostraCompensacaoExigibilidade() const {
    return m_propriedades.mostraCompensacaoExigibilidade;
  }
  bool mostraCompensacaoExigibilidadeFC() const {
    return m_propriedades.mostraCompensacaoExigibilidadeFC;
  }
  bool mostraCompensacaoExigibilidadeProc() const {
    return m_propriedades.mostraCompensacaoExigibilidadeProc;
  }
  bool mostraComprovante() const { return m_propriedades.mostraComprovante; }
  bool mostraRendimentosIsentos() const { return m_propriedades.mostraRendimentosIsentos; }
  bool mostraRendimentosIsentosFC() const { return m_propriedades.mostraRendimentosIsentosFC; }
  bool mostraRendimentosIsentosProc() const { return m_propriedades.mostraRendimentosIsentosProc; }
  bool mostraMolestia() const { return m_propriedades.mostraMolestia; }
  bool mostraMolestiaProc() const { return m_propriedades.mostraMolestiaProc; }
  bool mostraMolestiaAnexo() const { return m_propriedades.mostraMolestiaAnexo; }
  bool mostraCompRendimentosTributaveis() const {
    return m_propriedades.mostraCompRendimentosTributaveis;
  }
  bool mostraCompRendimentosIsentos() const { return m_propriedades.mostraCompRendimentosIsentos; }
  bool mostraCompTributacaoExclusiva() const {
    return m_propriedades.mostraCompTributacaoExclusiva;
  }
  bool mostraCompInformacoesComplementares() const {
    return m_propriedades.mostraCompInformacoesComplementares;
  }
  bool mostraCompNaturezaRendimento() const { return m_propriedades.mostraCompNaturezaRendimento; }
  bool mostraCompInfCompRetencoes() const { return m_propriedades.mostraCompInfCompRetencoes; }
  bool mostraCompInfCompRetencoesOrgaos() const {
    return m_propriedades.mostraCompInfCompRetencoesOrgaos;
  }

  void setMostraFC(bool valor);
  void setMostraPlanoSaude(bool valor);
  void setMostraProcesso(bool valor);
  void setMostraDERC(bool valor);
  void setMostraRemessa(bool valor);
  void setMostraExpandido(bool valor);
  void setMostraCompensacaoExigibilidade(bool valor);
  void setMostraCompensacaoExigibilidadeFC(bool valor);
  void setMostraCompensacaoExigibilidadeProc(bool valor);
  void setMostraComprovante(bool valor);
  void setMostraRendimentosIsentos(bool valor);
  void setMostraRendimentosIsentosFC(bool valor);
  void setMostraRendimentosIsentosProc(bool valor);
  void setMostraMolestia(bool valor);
  void setMostraMolestiaProc(bool valor);
  void setMostraMolestiaAnexo(bool valor);
  void setMostraCompRendimentosTributaveis(bool valor);
  void setMostraCompRendimentosIsentos(bool valor);
  void setMostraCompTributacaoExclusiva(bool valor);
  void setMostraCompInformacoesComplementares(bool valor);
  void setMostraCompNaturezaRendimento(bool valor);
  void setMostraCompInfCompRetencoes(bool valor);
  void setMostraCompInfCompRetencoesOrgaos(bool valor);

 signals:
  // A node was clicked and one is selected; carries the selected node's code.
  void onChangeCE(int codigo);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Altera(bool TPropriedadesArvore::*campo, bool valor, int codigoExpansao);
  void Reconstroi(int codigoExpansao);
  void Clicado();

  QTreeWidget* m_arvore = nullptr;
  TPropriedadesArvore m_propriedades;
  std::function<bool()> m_podeClicar;
};
