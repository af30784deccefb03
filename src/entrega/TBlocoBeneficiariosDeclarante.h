#pragma once

#include <QHash>
#include <QString>

#include "entrega/IBlocoArquivo.h"

namespace bd {
class Consulta;
}
class LeitorLinhaArquivo;
struct ValoresLinha;

// The beneficiaries paid by the declarant itself: per revenue code an IDREC record, the code's
// persons (BPFDEC) and then its companies (BPJDEC), each followed by its value records; a person
// of a sub judice code carries its judicial group after RIMOG.
//
// One forward pass over the declarant's lines in file order (code, persons before companies,
// number), each line with its exempt and judicial amounts in the same row. A code is written
// when its lines have a row of the calendar year in CODRET; the code's PF_PJ_AMBOS keeps out
// the kind it does not admit ("F" persons only, "J" companies only).
class TBlocoBeneficiariosDeclarante : public IBlocoArquivo {
 public:
  void Gera(ContextoGravacao& contexto) override;

  // The statement of the pass: every line of a source in file order.
  static QString ConsultaLinhas();

 private:
  struct Codigo {
    QString PfPjAmbos;
    bool SubJudice = false;
    bool AdmiteMolestia = false;  // exempt kind "6": the report date is written
  };

  void CarregaCodigos(ContextoGravacao& contexto);
  void GeraIDREC(ContextoGravacao& contexto, bd::Consulta& linhas);
  void GeraPFBene(ContextoGravacao& contexto, const Codigo& codigo, const LeitorLinhaArquivo& leitor, ValoresLinha& linha);
  void GeraPJBene(ContextoGravacao& contexto, const LeitorLinhaArquivo& leitor, ValoresLinha& linha);

  QHash<QString, Codigo> m_codigos;
};
