#include "entrega/TBlocoPlanoSaude.h"

#include "entrega/ConfereSecao.h"
#include "entrega/ContextoGravacao.h"
#include "entrega/ErroGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "entrega/LinhaRegistro.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/TCompositorRegistros.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "plataforma/bd/Consulta.h"

namespace {

// The order of both reads up to the holder; the dependants' own order follows it.
const char* const kOrdemTitular =
    "O.TPO_IN_PF_PJ, O.TPO_NR_PF_PJ, O.TPO_ID, T.TPT_IN_PF_PJ, T.TPT_NR_PF_PJ, T.TPT_ID";

// A name as BENEFICIARIOS keeps it for searching; one stored before that column existed is made
// the same way.
QString NomeCv(const char* tabela) {
  return QStringLiteral("COALESCE(%1.NM_NM_EMPR_CV, NOME_CV(%1.NM_NM_EMPR))").arg(QLatin1String(tabela));
}

}  // namespace

QString TBlocoPlanoSaude::ConsultaTitulares() {
  // Every operator, with or without holders; every holder, named or not.
  return QStringLiteral(
             "SELECT O.TPO_ID, O.TPO_NR_PF_PJ, O.TPO_REGISTRO_ANS, %1 AS NM_OPERADORA, "
             "T.TPT_ID, T.TPT_NR_PF_PJ, T.TPT_VL_PAGO, %2 AS NM_TITULAR "
             "FROM TB_PS_OPERADORA O "
             "LEFT JOIN BENEFICIARIOS BO ON BO.IN_PF_PJ = O.TPO_IN_PF_PJ AND BO.NR_PF_PJ = O.TPO_NR_PF_PJ "
             "LEFT JOIN TB_PS_TITULAR T ON T.TPT_TPO_ID = O.TPO_ID "
             "LEFT JOIN BENEFICIARIOS BT ON BT.IN_PF_PJ = T.TPT_IN_PF_PJ AND BT.NR_PF_PJ = T.TPT_NR_PF_PJ "
             "ORDER BY %3")
      .arg(NomeCv("BO"), NomeCv("BT"), QLatin1String(kOrdemTitular));
}

QString TBlocoPlanoSaude::ConsultaDependentes() {
  // GRUPO 0: the dependant keeps its own name; 1: its name is its CPF's.
  return QStringLiteral(
             "SELECT T.TPT_ID, D.TPD_ID, D.TPD_NR_PF_PJ, D.TPD_DT_NASC, D.TPD_TPRD_CD, D.TPD_VL_PAGO, "
             "IIF(D.TPD_NOME IS NOT NULL, NOME_CV(D.TPD_NOME), %1) AS NM_DEPENDENTE "
             "FROM TB_PS_OPERADORA O "
             "JOIN TB_PS_TITULAR T ON T.TPT_TPO_ID = O.TPO_ID "
             "JOIN TB_PS_DEPENDENTE D ON D.TPD_TPT_ID = T.TPT_ID "
             "LEFT JOIN BENEFICIARIOS BD ON BD.IN_PF_PJ = COALESCE(D.TPD_IN_PF_PJ, '1') AND BD.NR_PF_PJ = D.TPD_NR_PF_PJ "
             "ORDER BY %2, IIF(D.TPD_NOME IS NOT NULL, 0, 1), "
             "IIF(D.TPD_NOME IS NOT NULL, NULL, D.TPD_NR_PF_PJ) NULLS FIRST, D.TPD_DT_NASC NULLS FIRST, D.TPD_ID")
      .arg(NomeCv("BD"), QLatin1String(kOrdemTitular));
}

void TBlocoPlanoSaude::Confere(ContextoGravacao& contexto) {
  ConfereSecao(contexto, SecaoIndicada::PlanosSaude, QStringLiteral("SELECT FIRST 1 TPO_ID FROM TB_PS_OPERADORA"));
}

void TBlocoPlanoSaude::Gera(ContextoGravacao& contexto) {
  if (!SecaoLiberada(SecaoIndicada::PlanosSaude, contexto.Estado().Indicadores)) return;
  TCompositorRegistros& c = contexto.Compositor();
  bd::Consulta titulares(contexto.Transacao(), ConsultaTitulares());
  titulares.abre();
  if (titulares.eof()) return;
  c.Inicia("PSE", {});
  c.Grava();

  bd::Consulta dependentes(contexto.Transacao(), ConsultaDependentes());
  dependentes.abre();
  int operadora = 0;
  for (; !titulares.eof(); titulares.proximo()) {
    if (contexto.Cancelado()) return;
    const int id = titulares.campo(1).inteiro();
    if (id != operadora) {
      operadora = id;
      const QString cnpj = titulares.campo(2).texto() + TCnpj::CalculaDVCnpj(titulares.campo(2).texto());
      LinhaRegistro& r = c.Inicia("OPSE", QStringLiteral("operadora CNPJ ") + cnpj);
      r.Texto("CNPJ", cnpj);
      r.Texto("Nome empresarial", titulares.campo(4).texto());
      r.Texto("Registro ANS", titulares.campo(3).texto());
      c.Grava();
    }
    if (titulares.campo(5).nulo()) continue;  // an operator without holders
    const int titular = titulares.campo(5).inteiro();
    const QString numero = titulares.campo(6).texto();
    const QString cpf = numero.left(11) + TCpf::CalculaDVCpf(numero);
    LinhaRegistro& t = c.Inicia("TPSE", QStringLiteral("titular CPF ") + cpf);
    t.Texto("CPF", cpf);
    t.Texto("Nome", titulares.campo(8).texto());
    t.Inteiro(CentavosDe(titulares.campo(7).dezMilesimos()));
    c.Grava();

    for (; !dependentes.eof() && dependentes.campo(1).inteiro() == titular; dependentes.proximo()) {
      const bool semCpf = dependentes.campo(3).nulo();
      const QString base = dependentes.campo(3).texto();
      const QString nome = dependentes.campo(7).texto();
      LinhaRegistro& d = c.Inicia("DTPSE", QStringLiteral("dependente %1 do titular CPF %2").arg(nome.trimmed(), cpf));
      d.Texto("CPF do dependente", semCpf ? QString() : base + TCpf::CalculaDVCpf(base));
      d.Texto("Data de nascimento", dependentes.campo(4).texto());
      d.Texto("Nome", nome);
      const QString relacao = dependentes.campo(5).texto().trimmed();
      if (relacao.isEmpty()) {
        d.Vazio();
      } else {
        bool numerica = false;
        const int codigo = relacao.toInt(&numerica);
        if (!numerica || codigo < 0)
          throw ErroGravacao(QStringLiteral("EConvertError"),
                             QStringLiteral("A declaração não pode ser gravada: o campo \"Relação de dependência\" do "
                                            "registro DTPSE (dependente %1 do titular CPF %2) tem \"%3\", que não é um "
                                            "código de relação. Corrija o dependente e grave a declaração novamente.")
                                 .arg(nome.trimmed(), cpf, relacao),
                             true);
        d.Ascii(QByteArray::number(codigo).rightJustified(2, '0'));
      }
      d.Inteiro(CentavosDe(dependentes.campo(6).dezMilesimos()));
      c.Grava();
      contexto.Avanca();
    }
  }
  // Both reads follow one order: a dependant left behind is a fault, never a silent loss.
  if (!dependentes.eof())
    throw ErroGravacao(QStringLiteral("EOrdemPlanoSaude"),
                       QStringLiteral("Os dependentes do plano de saúde não acompanharam seus titulares (titular %1).")
                           .arg(dependentes.campo(1).inteiro()));
}
