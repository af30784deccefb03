#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "controles/TModeloGridCompensacao.h"
#include "controles/TModeloGridIsentos.h"
#include "controles/TModeloGridMeses.h"
#include "controles/TModeloGridRendimentosDeducoes.h"
#include "controles/TModeloGridSubJudiceDeducoes.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "suporte/QtGtest.h"

namespace grade_teste {

enum class Grade { Rendimentos, SubJudice, Compensacao, Isentos };

inline const char* Nome(Grade g) {
  switch (g) {
    case Grade::Rendimentos: return "Rendimentos";
    case Grade::SubJudice: return "SubJudice";
    case Grade::Compensacao: return "Compensacao";
    case Grade::Isentos: return "Isentos";
  }
  return "?";
}

// A beneficiary line of a declaration made by hand, no database involved.
struct Linha {
  Linha() { tolv.SetAnoCalendario(QStringLiteral("2013")); }
  TTolv tolv;
  TTolvItem item{tolv, tolv};
};

// How a month grid is set up for a case: the flags that the beneficiary-lines page sets.
struct Ajuste {
  bool decimoTerceiro = true;
  int mesEvento = 99;
  const char* codigo = "0561";
  bool molestia = false;
  bool visaoMolestia = false;
  const char* deducoesOcultas = "";  // letters: D total, O official, P private, E dependants, A alimony
  const char* isentosOcultos = "";   // digits of the exempt columns hidden
  bool multiLinha = false;
};

inline std::unique_ptr<TModeloGridMeses> CriaModelo(Grade g) {
  switch (g) {
    case Grade::Rendimentos: return std::make_unique<TModeloGridRendimentosDeducoes>();
    case Grade::SubJudice: return std::make_unique<TModeloGridSubJudiceDeducoes>();
    case Grade::Compensacao: return std::make_unique<TModeloGridCompensacao>();
    case Grade::Isentos: return std::make_unique<TModeloGridIsentos>();
  }
  return nullptr;
}

inline void Aplica(TModeloGridMeses& m, Linha& linha, const Ajuste& a) {
  linha.tolv.SetMesEvento(uint8_t(a.mesEvento));
  linha.item.GetCodigoRetencao().SetCodigo(QString::fromLatin1(a.codigo));
  m.SetTolvItem(&linha.item);
  m.SetDecimoTerceiro(a.decimoTerceiro);
  m.SetMultiLinha(a.multiLinha);
  if (auto* d = qobject_cast<TModeloGridMesesDeducoes*>(&m)) {
    d->SetMolestia(a.molestia);
    d->SetVisaoMolestia(a.visaoMolestia);
    const QString ocultas = QString::fromLatin1(a.deducoesOcultas);
    d->SetDeducao(!ocultas.contains(u'D'));
    d->SetDeducaoPO(!ocultas.contains(u'O'));
    d->SetDeducaoPP(!ocultas.contains(u'P'));
    d->SetDeducaoDP(!ocultas.contains(u'E'));
    d->SetDeducaoPA(!ocultas.contains(u'A'));
  }
  if (auto* i = qobject_cast<TModeloGridIsentos*>(&m)) {
    for (int c = 1; c <= 6; ++c) i->SetColunaVisivel(c, !QString::fromLatin1(a.isentosOcultos).contains(QChar(u'0' + c)));
  }
}

// The captions of the grid's columns, in grid order.
inline QStringList Titulos(const TModeloGrid& m) {
  QStringList t;
  for (int c = 0; c < m.ColCount(); ++c) t << m.GetTextoCelula(c, 0);
  return t;
}

}  // namespace grade_teste
